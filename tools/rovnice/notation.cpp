#include "tools/rovnice/notation.h"

#include <cstdio>
#include <vector>

#include "engine/cp1250.h"
#include "engine/markers.h"

namespace notation {
namespace {

bool decodeUtf8(const std::string& s, std::vector<char32_t>& out) {
    size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        int extra;
        char32_t cp;
        if (c < 0x80) { cp = c; extra = 0; }
        else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; extra = 1; }
        else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; extra = 2; }
        else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; extra = 3; }
        else return false;
        if (extra > 0 && i + extra >= s.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        out.push_back(cp);
        i += extra + 1;
    }
    return true;
}

int hexValue(char32_t c) {
    if (c >= '0' && c <= '9') return static_cast<int>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<int>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<int>(c - 'A' + 10);
    return -1;
}

std::string hexByte(unsigned char b) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\x%02X", b);
    return buf;
}

std::string utf8Of(char32_t cp) {
    std::string out;
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
    return out;
}

std::string describe(char32_t cp) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
    return "„" + utf8Of(cp) + "“ (" + buf + ")";
}

enum class Context { Top, FractionPart, Power };

struct Parser {
    std::vector<char32_t> cps;
    size_t pos = 0;
    std::string error;

    bool fail(const std::string& message) {
        if (error.empty()) error = message + " (znak " + std::to_string(pos + 1) + ")";
        return false;
    }

    bool byteOf(char32_t cp, std::string& out) {
        const int b = cp1250::fromUnicode(cp);
        if (b < 0) return fail("znak " + describe(cp) + " nemá kód ve Windows-1250");
        out += static_cast<char>(b);
        return true;
    }

    // A group in braces; `pos` is on the "{".
    bool group(Context ctx, std::string& out) {
        if (pos >= cps.size() || cps[pos] != '{') return fail("očekávána „{“");
        ++pos;
        if (!sequence(ctx, out)) return false;
        if (pos >= cps.size()) return fail("chybí uzavírací „}“");
        ++pos;
        return true;
    }

    // Reads up to the end of the text or, inside a group, up to its "}".
    bool sequence(Context ctx, std::string& out) {
        while (pos < cps.size()) {
            const char32_t c = cps[pos];
            if (c == '}' && ctx != Context::Top) return true;
            if (c == '\\') {
                if (!escape(ctx, out)) return false;
            } else if (c == '^') {
                if (!power(ctx, out)) return false;
            } else {
                if (!byteOf(c, out)) return false;
                ++pos;
            }
        }
        return ctx == Context::Top || fail("chybí uzavírací „}“");
    }

    bool escape(Context ctx, std::string& out) {
        if (pos + 1 >= cps.size()) return fail("„\\“ na konci textu");
        const char32_t n = cps[pos + 1];
        if (n == '\\' || n == '{' || n == '}' || n == '^') {
            out += static_cast<char>(n);
            pos += 2;
            return true;
        }
        if (n == 'x') {
            const int hi = pos + 2 < cps.size() ? hexValue(cps[pos + 2]) : -1;
            const int lo = pos + 3 < cps.size() ? hexValue(cps[pos + 3]) : -1;
            if (hi < 0 || lo < 0) return fail("po „\\x“ mají následovat dvě šestnáctkové číslice");
            out += static_cast<char>(hi * 16 + lo);
            pos += 4;
            return true;
        }
        static const char32_t frac[] = {'f', 'r', 'a', 'c'};
        bool isFrac = pos + 5 <= cps.size();
        for (int k = 0; isFrac && k < 4; ++k) isFrac = cps[pos + 1 + k] == frac[k];
        if (!isFrac) return fail("neznámý příkaz po „\\“");
        if (ctx != Context::Top) return fail("zlomek nemůže stát uvnitř zlomku ani mocniny");
        pos += 5;
        std::string numerator, denominator;
        if (!group(Context::FractionPart, numerator)) return false;
        if (!group(Context::FractionPart, denominator)) return false;
        out += static_cast<char>(FRACTION_START);
        out += static_cast<char>(DENOMINATOR_START);
        out += denominator;
        out += static_cast<char>(DENOMINATOR_END);
        out += static_cast<char>(NUMERATOR_START);
        out += numerator;
        out += static_cast<char>(NUMERATOR_END);
        out += static_cast<char>(FRACTION_END);
        return true;
    }

    bool power(Context ctx, std::string& out) {
        if (ctx == Context::Power) return fail("mocnina nemůže stát v exponentu");
        ++pos;
        if (pos >= cps.size()) return fail("po „^“ chybí exponent");
        std::string exponent;
        if (cps[pos] == '{') {
            if (!group(Context::Power, exponent)) return false;
        } else if (cps[pos] == '\\') {
            return fail("exponent se znakem „\\“ pište do složených závorek: ^{…}");
        } else {
            if (!byteOf(cps[pos], exponent)) return false;
            ++pos;
        }
        out += static_cast<char>(POWER_START);
        out += exponent;
        out += static_cast<char>(POWER_END);
        return true;
    }
};

bool isFractionMarker(unsigned char b) { return b >= FRACTION_START && b <= DENOMINATOR_END; }

// One byte outside any structure.
std::string plainByte(unsigned char b) {
    if (b == '\\' || b == '{' || b == '}' || b == '^') return std::string("\\") + static_cast<char>(b);
    if (b < 32 || b == 127 || isMarker(b) || b == CELL_END) return hexByte(b);
    const int cp = cp1250::toUnicode(b);
    if (cp < 0) return hexByte(b);
    return utf8Of(static_cast<char32_t>(cp));
}

// End index (of POWER_END) of a well-formed power starting at i, or npos.
size_t powerEnd(const std::string& b, size_t i) {
    for (size_t j = i + 1; j < b.size(); ++j) {
        const unsigned char c = static_cast<unsigned char>(b[j]);
        if (c == POWER_END) return j;
        if (c >= FRACTION_START && c <= POWER_END) return std::string::npos;
    }
    return std::string::npos;
}

std::string printSequence(const std::string& b, bool topLevel);

// Positions of DENOMINATOR_END and NUMERATOR_END of a well-formed fraction
// starting at i; false when the markers are not all there in order.
bool fractionAt(const std::string& b, size_t i, size_t& d, size_t& e) {
    auto at = [&](size_t k) { return k < b.size() ? static_cast<unsigned char>(b[k]) : 0; };
    if (at(i) != FRACTION_START || at(i + 1) != DENOMINATOR_START) return false;
    size_t k = i + 2;
    while (k < b.size() && !isFractionMarker(at(k))) ++k;
    if (at(k) != DENOMINATOR_END || at(k + 1) != NUMERATOR_START) return false;
    d = k;
    k += 2;
    while (k < b.size() && !isFractionMarker(at(k))) ++k;
    if (at(k) != NUMERATOR_END || at(k + 1) != FRACTION_END) return false;
    e = k;
    return true;
}

std::string printSequence(const std::string& b, bool topLevel) {
    std::string out;
    size_t i = 0;
    while (i < b.size()) {
        const unsigned char c = static_cast<unsigned char>(b[i]);
        size_t d, e;
        if (c == FRACTION_START && topLevel && fractionAt(b, i, d, e)) {
            out += "\\frac{" + printSequence(b.substr(d + 2, e - d - 2), false) + "}{" +
                   printSequence(b.substr(i + 2, d - i - 2), false) + "}";
            i = e + 2;
            continue;
        }
        if (c == POWER_START) {
            const size_t j = powerEnd(b, i);
            if (j != std::string::npos) {
                const std::string content = b.substr(i + 1, j - i - 1);
                std::string printed;
                for (unsigned char x : content) printed += plainByte(x);
                const bool shorthand = content.size() == 1 && printed[0] != '\\';
                out += shorthand ? "^" + printed : "^{" + printed + "}";
                i = j + 1;
                continue;
            }
        }
        out += plainByte(c);
        ++i;
    }
    return out;
}

}  // namespace

bool parse(const std::string& utf8, std::string& bytes, std::string& error) {
    Parser p;
    bytes.clear();
    if (!decodeUtf8(utf8, p.cps)) {
        error = "text není platné UTF-8";
        return false;
    }
    if (!p.sequence(Context::Top, bytes)) {
        error = p.error;
        return false;
    }
    return true;
}

std::string print(const std::string& bytes) { return printSequence(bytes, true); }

bool parseLinear(const std::string& utf8, std::string& bytes, std::string& error) {
    std::vector<char32_t> cps;
    bytes.clear();
    if (!decodeUtf8(utf8, cps)) {
        error = "text není platné UTF-8";
        return false;
    }
    for (size_t i = 0; i < cps.size(); ++i) {
        const char32_t c = cps[i];
        if (c == '^') {
            bytes += static_cast<char>(POWER_OPERATOR);
            continue;
        }
        if (c == '\\' && i + 3 < cps.size() && cps[i + 1] == 'x' && hexValue(cps[i + 2]) >= 0 && hexValue(cps[i + 3]) >= 0) {
            bytes += static_cast<char>(hexValue(cps[i + 2]) * 16 + hexValue(cps[i + 3]));
            i += 3;
            continue;
        }
        const int b = cp1250::fromUnicode(c);
        if (b < 0) {
            error = "znak " + describe(c) + " nemá kód ve Windows-1250";
            return false;
        }
        bytes += static_cast<char>(b);
    }
    return true;
}

std::string escapeAscii(const std::string& bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        if (c == POWER_OPERATOR) out += '^';
        else if (c >= 0x20 && c <= 0x7E && c != '^' && c != '\\') out += static_cast<char>(c);
        else out += hexByte(c);
    }
    return out;
}

}  // namespace notation
