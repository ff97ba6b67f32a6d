#include "tools/rovnice/notation.h"

#include <cstdio>

#include "engine/cp1250.h"
#include "engine/markers.h"

namespace notation {
namespace {

// Length of the UTF-8 sequence that begins with this byte (1 for a stray
// byte, which the conversion then refuses).
size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF7) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC0) return 2;
    return 1;
}

int hexValue(char c) {
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

enum class Context { Top, FractionPart, Power };

struct Parser {
    explicit Parser(const std::string& utf8) : text(utf8) {}

    std::string text;  // the notation's own characters are ASCII
    size_t pos = 0;
    std::string error;

    bool fail(const std::string& message) {
        if (error.empty()) error = message + " (pozice " + std::to_string(pos + 1) + ")";
        return false;
    }

    // The character at pos as its Windows-1250 byte; moves past it.
    bool takeCharacter(std::string& out) {
        const std::string sequence = text.substr(pos, sequenceLength(static_cast<unsigned char>(text[pos])));
        std::string b;
        if (!cp1250::fromUtf8(sequence, b) || b.size() != 1) {
            std::string shown;
            for (unsigned char c : sequence) shown += hexByte(c);
            return fail("znak " + shown + " není platné UTF-8 nebo nemá kód ve Windows-1250");
        }
        out += b;
        pos += sequence.size();
        return true;
    }

    // A group in braces; `pos` is on the "{".
    bool group(Context ctx, std::string& out) {
        if (pos >= text.size() || text[pos] != '{') return fail("očekávána „{“");
        ++pos;
        if (!sequence(ctx, out)) return false;
        if (pos >= text.size()) return fail("chybí uzavírací „}“");
        ++pos;
        return true;
    }

    // Reads up to the end of the text or, inside a group, up to its "}".
    bool sequence(Context ctx, std::string& out) {
        while (pos < text.size()) {
            const char c = text[pos];
            if (c == '}' && ctx != Context::Top) return true;
            if (c == '\\') {
                if (!escape(ctx, out)) return false;
            } else if (c == '^') {
                if (!power(ctx, out)) return false;
            } else if (!takeCharacter(out)) {
                return false;
            }
        }
        return ctx == Context::Top || fail("chybí uzavírací „}“");
    }

    bool escape(Context ctx, std::string& out) {
        if (pos + 1 >= text.size()) return fail("„\\“ na konci textu");
        const char n = text[pos + 1];
        if (n == '\\' || n == '{' || n == '}' || n == '^') {
            out += static_cast<char>(n);
            pos += 2;
            return true;
        }
        if (n == 'x') {
            const int hi = pos + 2 < text.size() ? hexValue(text[pos + 2]) : -1;
            const int lo = pos + 3 < text.size() ? hexValue(text[pos + 3]) : -1;
            if (hi < 0 || lo < 0) return fail("po „\\x“ mají následovat dvě šestnáctkové číslice");
            out += static_cast<char>(hi * 16 + lo);
            pos += 4;
            return true;
        }
        if (text.compare(pos + 1, 4, "frac") != 0) return fail("neznámý příkaz po „\\“");
        if (ctx != Context::Top) return fail("zlomek nemůže stát uvnitř zlomku ani mocniny");
        pos += 5;
        std::string numerator, denominator;
        if (!group(Context::FractionPart, numerator)) return false;
        if (!group(Context::FractionPart, denominator)) return false;
        out += writtenFraction(numerator, denominator);
        return true;
    }

    bool power(Context ctx, std::string& out) {
        if (ctx == Context::Power) return fail("mocnina nemůže stát v exponentu");
        ++pos;
        if (pos >= text.size()) return fail("po „^“ chybí exponent");
        std::string exponent;
        if (text[pos] == '{') {
            if (!group(Context::Power, exponent)) return false;
        } else if (text[pos] == '\\') {
            return fail("exponent se znakem „\\“ pište do složených závorek: ^{…}");
        } else if (!takeCharacter(exponent)) {
            return false;
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
    return cp1250::toUtf8(std::string(1, static_cast<char>(b)));
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
    Parser p(utf8);
    bytes.clear();
    if (!p.sequence(Context::Top, bytes)) {
        error = p.error;
        return false;
    }
    return true;
}

std::string print(const std::string& bytes) { return printSequence(bytes, true); }

bool parseLinear(const std::string& utf8, std::string& bytes, std::string& error) {
    Parser p(utf8);
    bytes.clear();
    while (p.pos < utf8.size()) {
        const size_t i = p.pos;
        if (utf8[i] == '^') {
            bytes += static_cast<char>(POWER_OPERATOR);
            ++p.pos;
        } else if (utf8[i] == '\\' && i + 3 < utf8.size() && utf8[i + 1] == 'x' && hexValue(utf8[i + 2]) >= 0 &&
                   hexValue(utf8[i + 3]) >= 0) {
            bytes += static_cast<char>(hexValue(utf8[i + 2]) * 16 + hexValue(utf8[i + 3]));
            p.pos += 4;
        } else if (!p.takeCharacter(bytes)) {
            error = p.error;
            return false;
        }
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
