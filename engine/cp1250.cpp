#include "cp1250.h"

namespace cp1250 {
namespace {

// Code points of the bytes 0x80..0xFF; -1 where the code page is undefined.
const int kHigh[128] = {
    0x20ac, -1,     0x201a, -1,     0x201e, 0x2026, 0x2020, 0x2021,
    -1,     0x2030, 0x160,  0x2039, 0x15a,  0x164,  0x17d,  0x179,
    -1,     0x2018, 0x2019, 0x201c, 0x201d, 0x2022, 0x2013, 0x2014,
    -1,     0x2122, 0x161,  0x203a, 0x15b,  0x165,  0x17e,  0x17a,
    0xa0,   0x2c7,  0x2d8,  0x141,  0xa4,   0x104,  0xa6,   0xa7,
    0xa8,   0xa9,   0x15e,  0xab,   0xac,   0xad,   0xae,   0x17b,
    0xb0,   0xb1,   0x2db,  0x142,  0xb4,   0xb5,   0xb6,   0xb7,
    0xb8,   0x105,  0x15f,  0xbb,   0x13d,  0x2dd,  0x13e,  0x17c,
    0x154,  0xc1,   0xc2,   0x102,  0xc4,   0x139,  0x106,  0xc7,
    0x10c,  0xc9,   0x118,  0xcb,   0x11a,  0xcd,   0xce,   0x10e,
    0x110,  0x143,  0x147,  0xd3,   0xd4,   0x150,  0xd6,   0xd7,
    0x158,  0x16e,  0xda,   0x170,  0xdc,   0xdd,   0x162,  0xdf,
    0x155,  0xe1,   0xe2,   0x103,  0xe4,   0x13a,  0x107,  0xe7,
    0x10d,  0xe9,   0x119,  0xeb,   0x11b,  0xed,   0xee,   0x10f,
    0x111,  0x144,  0x148,  0xf3,   0xf4,   0x151,  0xf6,   0xf7,
    0x159,  0x16f,  0xfa,   0x171,  0xfc,   0xfd,   0x163,  0x2d9,
};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at i; returns false on malformed input.
bool nextCodePoint(const std::string& s, size_t& i, char32_t& cp) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    int extra;
    if (c < 0x80) { cp = c; extra = 0; }
    else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; extra = 1; }
    else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; extra = 2; }
    else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; extra = 3; }
    else return false;
    if (i + extra >= s.size()) return false;
    for (int k = 1; k <= extra; ++k) {
        const unsigned char d = static_cast<unsigned char>(s[i + k]);
        if ((d & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (d & 0x3F);
    }
    i += extra + 1;
    return true;
}

// UTF-8 to bytes.  With a replacement, a character that cannot be read or
// has no byte becomes it; without one (0) the first such character stops
// the conversion and the result is false.
bool decode(const std::string& utf8, std::string& out, char replacement) {
    out.clear();
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp;
        if (!nextCodePoint(utf8, i, cp)) {
            if (!replacement) return false;
            out += replacement;
            ++i;
            continue;
        }
        const int b = fromUnicode(cp);
        if (b < 0 && !replacement) return false;
        out += b < 0 ? replacement : static_cast<char>(b);
    }
    return true;
}

}  // namespace

int toUnicode(unsigned char byte) {
    return byte < 0x80 ? byte : kHigh[byte - 0x80];
}

int fromUnicode(char32_t cp) {
    if (cp < 0x80) return static_cast<int>(cp);
    for (int b = 0; b < 128; ++b)
        if (kHigh[b] == static_cast<int>(cp)) return 0x80 + b;
    return -1;
}

std::string toUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char b : bytes) {
        const int cp = toUnicode(b);
        appendUtf8(out, cp < 0 ? 0xFFFD : static_cast<char32_t>(cp));
    }
    return out;
}

bool fromUtf8(const std::string& utf8, std::string& out) {
    return decode(utf8, out, '\0');
}

bool fromDiskName(const std::string& diskName, std::string& out) {
    bool utf8 = true;
    for (size_t i = 0; utf8 && i < diskName.size();) {
        char32_t cp;
        utf8 = nextCodePoint(diskName, i, cp);
    }
    if (utf8) {
        decode(diskName, out, '?');
    } else {
        out = diskName;
        for (unsigned char b : out)
            if (toUnicode(b) < 0) return false;
    }
    for (unsigned char b : out)
        if (b < 32 || b == 127) return false;
    return true;
}

std::string w1250(const char* utf8) {
    std::string out;
    decode(utf8, out, '?');
    return out;
}

}  // namespace cp1250
