// Normalised linear text: the flat form of a written line that every check
// reads, the unknown of a text and the number text of a value.
#include <algorithm>
#include <charconv>
#include <cmath>

#include "engine/engine.h"
#include "engine/enginedetail.h"

using namespace engine_detail;

namespace {

// A written line holds at most 255 bytes; the check by substitution joins a
// line with the equation's right side, which may double that.  Anything far
// longer did not come from the program and is refused rather than worked on
// (the fraction rewrite is quadratic in the length).
constexpr std::size_t MAX_LINE = 1024;

std::size_t findByte(const std::string& s, unsigned char b, std::size_t from) {
    return s.find(static_cast<char>(b), from);
}

// Rewrites every fraction as "(" numerator ")/(" denominator ")".  A fraction
// whose DENOMINATOR_END or NUMERATOR_END is missing, or stands in the wrong
// order, cannot be rewritten; a note typed inside a numerator leaves exactly
// that behind, so it is reported as a fault in the fraction.
void rewriteFractions(std::string& t) {
    for (;;) {
        const std::size_t c = findByte(t, FRACTION_START, 0);
        if (c == std::string::npos) return;
        const std::size_t d = findByte(t, DENOMINATOR_END, c + 1);
        const std::size_t e = findByte(t, NUMERATOR_END, c + 1);
        if (d == std::string::npos || e == std::string::npos || e < d) {
            raise(MISSING_OPERAND);
            return;
        }
        // The byte after each of the three markers found (DENOMINATOR_START,
        // NUMERATOR_START, FRACTION_END) goes with it.  The three parts are
        // disjoint and all lie after c, so each round removes one
        // FRACTION_START and the loop ends.
        const std::size_t ds = std::min(c + 2, d);
        const std::size_t ns = std::min(d + 2, e);
        const std::string denominator = t.substr(ds, d - ds);
        const std::string numerator = t.substr(ns, e - ns);
        const std::string rest = e + 2 <= t.size() ? t.substr(e + 2) : std::string();
        std::string out = t.substr(0, c);
        out += '(';
        out += numerator;
        out += ")/(";
        out += denominator;
        out += ')';
        out += rest;
        t.swap(out);
    }
}

}  // namespace

std::string normalise(const std::string& writtenLine) {
    if (failed()) return std::string();
    if (writtenLine.size() > MAX_LINE) {
        raise(TEXT_TOO_LONG);
        return std::string();
    }

    // Cut the note, open the powers.
    std::string t;
    t.reserve(writtenLine.size() * 2);
    for (std::size_t i = 0; i < writtenLine.size(); ++i) {
        const unsigned char c = byteAt(writtenLine, i);
        if (c == '/') break;
        if (c == POWER_START) {
            t += static_cast<char>(POWER_OPERATOR);
            t += '(';
        } else if (c == POWER_END) {
            t += ')';
        } else {
            t += static_cast<char>(c);
        }
    }

    rewriteFractions(t);
    if (failed()) return std::string();

    // Make products written by juxtaposition explicit; drop spaces.
    std::string out;
    out.reserve(t.size() * 2 + 1);
    for (std::size_t i = 0; i < t.size(); ++i) {
        const unsigned char c = byteAt(t, i);
        if (c == ' ') continue;
        if (!out.empty()) {
            const unsigned char p = byteAt(out, out.size() - 1);
            const bool times = ((isLetter(c) || c == '(') && (isDigit(p) || p == ')')) ||
                               (isDigit(c) && isLetter(p)) || (c == '(' && isLetter(p));
            if (times) out += '*';
        }
        out += static_cast<char>(c);
    }
    // A line with nothing left becomes a lone space: it has no unknown, so
    // every check reports that instead of reading an empty text.
    out += ' ';
    return out;
}

char findUnknown(const std::string& text) {
    if (failed()) return '\0';
    unsigned char unknown = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = byteAt(text, i);
        if (!isUnknownLetter(c)) continue;
        if (unknown == 0)
            unknown = c;
        else if (c != unknown)
            raise(TWO_UNKNOWNS);
    }
    if (unknown == 0) raise(NO_UNKNOWN);
    return static_cast<char>(unknown);
}

std::string numberText(double value) {
    const double a = std::fabs(value);
    if (std::isnan(value)) return "nan";  // not a number; the evaluator refuses it
    if (a < 0.000001) return "0.0";

    int decimals;
    if (a >= 1) {
        int k = 0;
        for (double p = 1; a > p; p *= 10) ++k;  // ends at the latest when p overflows
        decimals = k <= 5 ? 5 - k : 0;
    } else {
        int k = 1;
        for (double q = 0.1; a < q; q /= 10) ++k;
        decimals = k + 5;
    }

    // to_chars is exact and, unlike printf, ignores the C locale, which Qt
    // sets from the environment (a Czech locale would write a comma).
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    std::string s = r.ec == std::errc() ? std::string(buf, r.ptr) : std::string("nan");
    if (value < 0) s = "(" + s + ")";
    return s;
}

std::string removeSpaces(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != ' ') out += c;
    return out;
}
