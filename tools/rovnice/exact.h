// Exact arithmetic for checking the equation bank: rationals, polynomials in
// the unknown, and quotients of them, so that an equation with the unknown in
// a denominator is solved as exactly as one without.
#pragma once

#include <string>
#include <vector>

namespace exact {

// Fraction n/d in lowest terms, d > 0.  Arithmetic that leaves 128 bits
// throws Overflow; the bank's numbers are small, so that is a problem to
// report, not a case to compute.
struct Overflow {};

struct Rational {
    __int128 n = 0, d = 1;

    Rational() = default;
    Rational(long long v) : n(v), d(1) {}
    static Rational make(__int128 n, __int128 d);  // d != 0

    bool isZero() const { return n == 0; }
    bool isInteger() const { return d == 1; }
    double toDouble() const;
    std::string text() const;  // "-9/4", "3"
};

Rational operator+(const Rational& a, const Rational& b);
Rational operator-(const Rational& a, const Rational& b);
Rational operator*(const Rational& a, const Rational& b);
Rational operator/(const Rational& a, const Rational& b);  // b != 0
Rational operator-(const Rational& a);
bool operator==(const Rational& a, const Rational& b);
inline bool operator!=(const Rational& a, const Rational& b) { return !(a == b); }

// An integer, a decimal with point or comma, or p/q, with an optional leading
// "-".  Returns false for anything else (and for q = 0).
bool parseRational(const std::string& text, Rational& out);

// The simplest fraction whose double is exactly v (denominator up to a
// million), if there is one.
bool rationalOfDouble(double v, Rational& out);

// What solving an equation found.
struct Solution {
    bool ok = false;
    Rational root;
    std::string problem;  // Czech, when !ok
};

// `text` is normalised linear text (the engine's form): explicit "*", fractions
// as (N)/(D), byte 136 as the power operator, the unknown "x".
Solution solveLinear(const std::string& text);

// Both sides of the equation at x = r, exactly.  False (with the reason) when
// the text cannot be read or a divisor is 0 there.
bool sidesAt(const std::string& text, const Rational& r, Rational& left, Rational& right,
             std::string& problem);

}  // namespace exact
