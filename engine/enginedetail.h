// Helpers shared by the engine's sources and the rovnice tool, which answers
// the engine's questions for other tools; not part of the engine's interface.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/engine.h"

namespace engine_detail {

// Records a failure unless an earlier one is already recorded: the first
// code is the one the pupil is told about.
inline void raise(StatusCode code) {
    if (errorCode <= 0) errorCode = code;
}

inline bool failed() { return errorCode > 0; }

inline unsigned char byteAt(const std::string& s, std::size_t i) {
    return static_cast<unsigned char>(s[i]);
}

inline bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
inline bool isLower(unsigned char c) { return c >= 'a' && c <= 'z'; }
inline bool isLetter(unsigned char c) { return isLower(c) || (c >= 'A' && c <= 'Z'); }

// Letters that can be the unknown: lowercase a..z except e, m, o and p.
inline bool isUnknownLetter(unsigned char c) {
    return isLower(c) && c != 'e' && c != 'm' && c != 'o' && c != 'p';
}

// A decimal real such as 2.5, -3, 1e5 or .5.
inline bool isDecimalReal(const std::string& s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(byteAt(s, i))) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(byteAt(s, i))) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && isDigit(byteAt(s, i))) ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == s.size();
}

// Substring by 1-based index and length that never reads outside the text:
// a length of 0 or less, or an index past the end, gives the empty text.
inline std::string copy1(const std::string& s, long index, long count) {
    if (index < 1) index = 1;
    const long size = static_cast<long>(s.size());
    if (count <= 0 || index > size) return std::string();
    if (count > size - index + 1) count = size - index + 1;
    return s.substr(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count));
}

}  // namespace engine_detail
