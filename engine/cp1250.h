// Windows-1250 is the program's one text encoding: every text it keeps, and
// every file it reads or writes, holds single bytes of this code page.  These
// helpers convert at the edges only (UTF-8 sources, the Qt display helper).
#pragma once

#include <string>

namespace cp1250 {

// Unicode code point of a Windows-1250 byte, or -1 for the five bytes the
// code page leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98).
int toUnicode(unsigned char byte);

// Windows-1250 byte of a code point, or -1 when the code page has none.
int fromUnicode(char32_t codePoint);

// Bytes to UTF-8; an undefined byte becomes U+FFFD.
std::string toUtf8(const std::string& bytes);

// UTF-8 to bytes.  Returns false (and leaves `out` partly filled) when the
// text is not valid UTF-8 or holds a character with no Windows-1250 byte.
bool fromUtf8(const std::string& utf8, std::string& out);

// A file's name on the disk as the program shows it.  UTF-8 (as Linux and
// this program write names) is converted, a character the code page lacks
// becoming "?"; a name that is not UTF-8 at all comes from a Windows medium
// and is taken as its Windows-1250 bytes.  False when it cannot be shown: a
// control character, or a byte the code page leaves undefined.  The shown
// name only shows the file: it is opened by its name on the disk.
bool fromDiskName(const std::string& diskName, std::string& out);

// For texts written in the sources as UTF-8 literals: converts, and replaces
// a character that has no byte by '?' (a programming slip, never user data).
std::string w1250(const char* utf8);

}  // namespace cp1250
