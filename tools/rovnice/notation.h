// The source notation of written lines: UTF-8 text that a teacher can type,
// turned into the Windows-1250 bytes with markers that the program stores,
// and back.
//
//   \frac{N}{D}   a fraction (stored denominator first)
//   ^{E}, ^d      a power; ^d for a single character d other than { and \.
//   \xHH          the raw byte 0xHH
//   \\ \{ \} \^   the literal characters
// Every other character stands for its Windows-1250 byte.
#pragma once

#include <string>

namespace notation {

// Returns false and a Czech message in `error` on bad notation.
bool parse(const std::string& utf8, std::string& bytes, std::string& error);

// Always succeeds; parse(print(b)) gives b back for every byte string b.
std::string print(const std::string& bytes);

// The `eval` command's simpler text: ^ is the power operator, \xHH a raw
// byte, everything else its Windows-1250 byte.
bool parseLinear(const std::string& utf8, std::string& bytes, std::string& error);

// Bytes for the `check` output: ^ for the power operator, printable ASCII
// other than ^ and \ as itself, everything else \xHH.
std::string escapeAscii(const std::string& bytes);

}  // namespace notation
