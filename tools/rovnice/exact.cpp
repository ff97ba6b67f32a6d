#include "tools/rovnice/exact.h"

#include <cmath>

#include "engine/engine.h"

namespace exact {
namespace {

using i128 = __int128;

i128 abs128(i128 v) {
    if (v < 0) {
        i128 r;
        if (__builtin_sub_overflow(static_cast<i128>(0), v, &r)) throw Overflow();
        return r;
    }
    return v;
}

i128 gcd128(i128 a, i128 b) {
    a = abs128(a);
    b = abs128(b);
    while (b != 0) {
        const i128 t = a % b;
        a = b;
        b = t;
    }
    return a;
}

i128 mul(i128 a, i128 b) {
    i128 r;
    if (__builtin_mul_overflow(a, b, &r)) throw Overflow();
    return r;
}

i128 add(i128 a, i128 b) {
    i128 r;
    if (__builtin_add_overflow(a, b, &r)) throw Overflow();
    return r;
}

std::string decimal(i128 v) {
    if (v == 0) return "0";
    const bool negative = v < 0;
    std::string s;
    while (v != 0) {
        int digit = static_cast<int>(v % 10);
        if (digit < 0) digit = -digit;
        s.insert(s.begin(), static_cast<char>('0' + digit));
        v /= 10;
    }
    return negative ? "-" + s : s;
}

}  // namespace

Rational Rational::make(i128 n, i128 d) {
    if (d == 0) throw Overflow();
    if (d < 0) {
        n = mul(n, -1);
        d = mul(d, -1);
    }
    const i128 g = gcd128(n, d);
    Rational r;
    r.n = g > 1 ? n / g : n;
    r.d = g > 1 ? d / g : d;
    return r;
}

double Rational::toDouble() const {
    const i128 limit = static_cast<i128>(1) << 53;
    // Both exact in a double: one division rounds correctly.
    if (abs128(n) <= limit && d <= limit) return static_cast<double>(n) / static_cast<double>(d);
    return static_cast<double>(static_cast<long double>(n) / static_cast<long double>(d));
}

std::string Rational::text() const { return d == 1 ? decimal(n) : decimal(n) + "/" + decimal(d); }

Rational operator+(const Rational& a, const Rational& b) {
    const i128 g = gcd128(a.d, b.d);
    return Rational::make(add(mul(a.n, b.d / g), mul(b.n, a.d / g)), mul(a.d / g, b.d));
}
Rational operator-(const Rational& a) { return Rational::make(mul(a.n, -1), a.d); }
Rational operator-(const Rational& a, const Rational& b) { return a + (-b); }
Rational operator*(const Rational& a, const Rational& b) {
    const i128 g1 = gcd128(a.n, b.d), g2 = gcd128(b.n, a.d);
    const i128 s1 = g1 == 0 ? 1 : g1, s2 = g2 == 0 ? 1 : g2;
    return Rational::make(mul(a.n / s1, b.n / s2), mul(a.d / s2, b.d / s1));
}
Rational operator/(const Rational& a, const Rational& b) {
    if (b.n == 0) throw Overflow();
    return a * Rational::make(b.d, b.n);
}
bool operator==(const Rational& a, const Rational& b) { return a.n == b.n && a.d == b.d; }

bool parseRational(const std::string& text, Rational& out) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    auto digits = [&](i128& value, int& count) {
        count = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            if (count >= 30) throw Overflow();
            value = value * 10 + (text[i] - '0');
            ++count;
            ++i;
        }
    };
    try {
        i128 whole = 0;
        int n = 0;
        digits(whole, n);
        if (n == 0) return false;
        Rational value(0);
        if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
            ++i;
            i128 fraction = 0;
            int m = 0;
            digits(fraction, m);
            if (m == 0) return false;
            i128 scale = 1;
            for (int k = 0; k < m; ++k) scale = mul(scale, 10);
            value = Rational::make(add(mul(whole, scale), fraction), scale);
        } else if (i < text.size() && text[i] == '/') {
            ++i;
            i128 denominator = 0;
            int m = 0;
            digits(denominator, m);
            if (m == 0 || denominator == 0) return false;
            value = Rational::make(whole, denominator);
        } else {
            value = Rational::make(whole, 1);
        }
        if (i != text.size()) return false;
        out = negative ? -value : value;
        return true;
    } catch (const Overflow&) {
        return false;
    }
}

bool rationalOfDouble(double v, Rational& out) {
    if (!std::isfinite(v) || std::fabs(v) > 1e15) return false;
    // Continued fraction convergents, the first whose double is v exactly.
    double x = std::fabs(v);
    long long h0 = 1, h1 = 0, k0 = 0, k1 = 1;
    for (int step = 0; step < 40; ++step) {
        const double a = std::floor(x);
        if (a > 1e15) break;
        const long long ai = static_cast<long long>(a);
        const long long h = ai * h0 + h1, k = ai * k0 + k1;
        if (k > 1000000) break;
        h1 = h0; h0 = h;
        k1 = k0; k0 = k;
        if (static_cast<double>(h) / static_cast<double>(k) == std::fabs(v)) {
            out = Rational::make(v < 0 ? -h : h, k);
            return true;
        }
        const double rest = x - a;
        if (rest <= 0) break;
        x = 1.0 / rest;
    }
    return false;
}

// ---------------------------------------------------------------------------
// Polynomials in x with rational coefficients, and quotients of them.

namespace {

constexpr size_t MAX_DEGREE = 24;

struct Poly {
    std::vector<Rational> c;  // c[i] of x^i; no zero at the end

    static Poly constant(const Rational& r) {
        Poly p;
        if (!r.isZero()) p.c.push_back(r);
        return p;
    }
    bool isZero() const { return c.empty(); }
    int degree() const { return static_cast<int>(c.size()) - 1; }
    void trim() {
        while (!c.empty() && c.back().isZero()) c.pop_back();
        if (c.size() > MAX_DEGREE + 1) throw Overflow();
    }
    Rational at(const Rational& r) const {
        Rational v(0);
        for (size_t i = c.size(); i-- > 0;) v = v * r + c[i];
        return v;
    }
};

Poly operator+(const Poly& a, const Poly& b) {
    Poly r;
    r.c.resize(std::max(a.c.size(), b.c.size()));
    for (size_t i = 0; i < r.c.size(); ++i) {
        if (i < a.c.size()) r.c[i] = r.c[i] + a.c[i];
        if (i < b.c.size()) r.c[i] = r.c[i] + b.c[i];
    }
    r.trim();
    return r;
}

Poly scaled(const Poly& a, const Rational& k) {
    Poly r;
    for (const Rational& x : a.c) r.c.push_back(x * k);
    r.trim();
    return r;
}

Poly operator-(const Poly& a, const Poly& b) { return a + scaled(b, Rational(-1)); }

Poly operator*(const Poly& a, const Poly& b) {
    if (a.isZero() || b.isZero()) return Poly();
    if (a.c.size() + b.c.size() > MAX_DEGREE + 2) throw Overflow();
    Poly r;
    r.c.assign(a.c.size() + b.c.size() - 1, Rational(0));
    for (size_t i = 0; i < a.c.size(); ++i)
        for (size_t j = 0; j < b.c.size(); ++j) r.c[i + j] = r.c[i + j] + a.c[i] * b.c[j];
    r.trim();
    return r;
}

// a = q*b + r; b not zero.
void divide(const Poly& a, const Poly& b, Poly& q, Poly& r) {
    q = Poly();
    r = a;
    if (a.degree() < b.degree()) return;
    q.c.assign(a.c.size() - b.c.size() + 1, Rational(0));
    while (!r.isZero() && r.degree() >= b.degree()) {
        const int shift = r.degree() - b.degree();
        const Rational k = r.c.back() / b.c.back();
        q.c[shift] = k;
        Poly term;
        term.c.assign(shift + 1, Rational(0));
        term.c[shift] = k;
        r = r - term * b;
    }
    q.trim();
}

Poly monic(const Poly& a) { return a.isZero() ? a : scaled(a, Rational(1) / a.c.back()); }

Poly gcd(Poly a, Poly b) {
    while (!b.isZero()) {
        Poly q, r;
        divide(a, b, q, r);
        a = b;
        b = r;
    }
    return a.isZero() ? Poly::constant(Rational(1)) : monic(a);
}

struct Quotient {
    Poly p, q;

    static Quotient of(const Poly& p) { return Quotient{p, Poly::constant(Rational(1))}; }
    void reduce() {
        if (p.isZero()) {
            q = Poly::constant(Rational(1));
            return;
        }
        const Poly g = gcd(p, q);
        Poly rest;
        Poly np, nq;
        divide(p, g, np, rest);
        divide(q, g, nq, rest);
        const Rational lead = nq.c.back();
        p = scaled(np, Rational(1) / lead);
        q = scaled(nq, Rational(1) / lead);
    }
    bool isConstant() const { return p.degree() <= 0 && q.degree() == 0; }
    Rational constantValue() const { return p.isZero() ? Rational(0) : p.c[0] / q.c[0]; }
};

// The two value kinds the one reader below works with.
struct QuotientAlgebra {
    using Value = Quotient;
    Value number(const Rational& r) const { return Quotient::of(Poly::constant(r)); }
    Value unknown() const {
        Poly x;
        x.c = {Rational(0), Rational(1)};
        return Quotient::of(x);
    }
    Value add(const Value& a, const Value& b) const {
        Quotient r{a.p * b.q + b.p * a.q, a.q * b.q};
        r.reduce();
        return r;
    }
    Value neg(const Value& a) const { return Quotient{scaled(a.p, Rational(-1)), a.q}; }
    Value mul(const Value& a, const Value& b) const {
        Quotient r{a.p * b.p, a.q * b.q};
        r.reduce();
        return r;
    }
    bool div(const Value& a, const Value& b, Value& out, std::string& problem) const {
        if (b.p.isZero()) {
            problem = "dělení nulou";
            return false;
        }
        out = Quotient{a.p * b.q, a.q * b.p};
        out.reduce();
        return true;
    }
    bool constantOf(const Value& v, Rational& r) const {
        if (!v.isConstant()) return false;
        r = v.constantValue();
        return true;
    }
    Value invert(const Value& a) const {
        Quotient r{a.q, a.p};
        r.reduce();
        return r;
    }
    bool isZero(const Value& a) const { return a.p.isZero(); }
    Value one() const { return number(Rational(1)); }
};

struct RationalAlgebra {
    using Value = Rational;
    Rational x;
    Value number(const Rational& r) const { return r; }
    Value unknown() const { return x; }
    Value add(const Value& a, const Value& b) const { return a + b; }
    Value neg(const Value& a) const { return -a; }
    Value mul(const Value& a, const Value& b) const { return a * b; }
    bool div(const Value& a, const Value& b, Value& out, std::string& problem) const {
        if (b.isZero()) {
            problem = "dělitel nebo jmenovatel je při kořeni roven nule";
            return false;
        }
        out = a / b;
        return true;
    }
    bool constantOf(const Value& v, Rational& r) const {
        r = v;
        return true;
    }
    Value invert(const Value& a) const { return Rational(1) / a; }
    bool isZero(const Value& a) const { return a.isZero(); }
    Value one() const { return Rational(1); }
};

// Reads normalised linear text with the usual precedence: sums of products,
// a sign before a power applies to the power, powers group to the right.
template <class Algebra>
struct Reader {
    using Value = typename Algebra::Value;
    const Algebra& alg;
    std::string t;
    size_t pos = 0;
    std::string problem;

    Reader(const Algebra& a, const std::string& text) : alg(a), t(removeSpaces(text)) {}

    bool fail(const std::string& p) {
        if (problem.empty()) problem = p;
        return false;
    }
    char peek() const { return pos < t.size() ? t[pos] : '\0'; }

    bool whole(Value& v) {
        if (!expression(v)) return false;
        if (pos != t.size()) return fail("nečitelný zápis u znaku " + std::to_string(pos + 1));
        return true;
    }

    bool expression(Value& v) {
        if (!term(v)) return false;
        while (peek() == '+' || peek() == '-') {
            const char op = t[pos++];
            Value b;
            if (!term(b)) return false;
            v = alg.add(v, op == '+' ? b : alg.neg(b));
        }
        return true;
    }

    bool term(Value& v) {
        if (!signedFactor(v)) return false;
        while (peek() == '*' || peek() == '/' || peek() == ':') {
            const char op = t[pos++];
            Value b;
            if (!signedFactor(b)) return false;
            if (op == '*') {
                v = alg.mul(v, b);
            } else {
                Value q;
                if (!alg.div(v, b, q, problem)) return false;
                v = q;
            }
        }
        return true;
    }

    bool signedFactor(Value& v) {
        if (peek() == '+' || peek() == '-') {
            const char sign = t[pos++];
            if (!signedFactor(v)) return false;
            if (sign == '-') v = alg.neg(v);
            return true;
        }
        if (!primary(v)) return false;
        if (static_cast<unsigned char>(peek()) == POWER_OPERATOR) {
            ++pos;
            Value e;
            if (!signedFactor(e)) return false;
            return power(v, e);
        }
        return true;
    }

    bool power(Value& base, const Value& e) {
        Rational k;
        if (!alg.constantOf(e, k)) return fail("exponent obsahuje neznámou");
        if (!k.isInteger()) return fail("exponent není celé číslo");
        if (k.n > 16 || k.n < -16) return fail("exponent je příliš velký");
        Value r = alg.one();
        for (int i = 0; i < static_cast<int>(k.n < 0 ? -k.n : k.n); ++i) r = alg.mul(r, base);
        if (k.n < 0) {
            if (alg.isZero(r)) return fail("záporná mocnina nuly");
            r = alg.invert(r);
        }
        base = r;
        return true;
    }

    bool primary(Value& v) {
        const char c = peek();
        if (c == '(') {
            ++pos;
            if (!expression(v)) return false;
            if (peek() != ')') return fail("chybí „)“");
            ++pos;
            return true;
        }
        if (c == 'x') {
            ++pos;
            v = alg.unknown();
            return true;
        }
        if (c >= '0' && c <= '9') {
            const size_t start = pos;
            while (peek() >= '0' && peek() <= '9') ++pos;
            if (peek() == '.') {
                ++pos;
                if (!(peek() >= '0' && peek() <= '9')) return fail("chybné číslo");
                while (peek() >= '0' && peek() <= '9') ++pos;
            }
            Rational r;
            if (!parseRational(t.substr(start, pos - start), r)) return fail("příliš dlouhé číslo");
            v = alg.number(r);
            return true;
        }
        if (c == '\0') return fail("chybí číslo nebo závorka na konci");
        return fail("nečitelný zápis u znaku " + std::to_string(pos + 1));
    }
};

// Splits at the first "="; a second one is an error.
bool splitSides(const std::string& text, std::string& left, std::string& right,
                std::string& problem) {
    const size_t eq = text.find('=');
    if (eq == std::string::npos) {
        problem = "chybí rovnítko";
        return false;
    }
    if (text.find('=', eq + 1) != std::string::npos) {
        problem = "více než jedno rovnítko";
        return false;
    }
    left = text.substr(0, eq);
    right = text.substr(eq + 1);
    return true;
}

template <class Algebra>
bool readSide(const Algebra& alg, const std::string& side, typename Algebra::Value& v,
              std::string& problem) {
    Reader<Algebra> reader(alg, side);
    if (!reader.whole(v)) {
        problem = reader.problem;
        return false;
    }
    return true;
}

}  // namespace

Solution solveLinear(const std::string& text) {
    Solution s;
    std::string left, right;
    if (!splitSides(text, left, right, s.problem)) return s;
    try {
        QuotientAlgebra alg;
        Quotient l, r;
        if (!readSide(alg, left, l, s.problem) || !readSide(alg, right, r, s.problem)) return s;
        // left - right as one reduced quotient: its numerator decides.
        const Quotient d = alg.add(l, alg.neg(r));
        const Poly& n = d.p;
        if (n.isZero()) {
            s.problem = "rovnice platí pro každé x, nemá jediné řešení";
            return s;
        }
        if (n.degree() == 0) {
            s.problem = "rovnice nemá řešení";
            return s;
        }
        if (n.degree() > 1) {
            s.problem = "rovnice není po úpravě lineární (stupeň " + std::to_string(n.degree()) + ")";
            return s;
        }
        const Rational root = -n.c[0] / n.c[1];
        Rational lv, rv;
        std::string why;
        if (!sidesAt(text, root, lv, rv, why)) {
            s.problem = "rovnice nemá řešení: x = " + root.text() + " nelze dosadit (" + why + ")";
            return s;
        }
        // The root is put back in, so a slip in the algebra above cannot
        // pass a wrong root as the solution.
        if (lv != rv) {
            s.problem = "vnitřní chyba výpočtu: x = " + root.text() + " rovnici nesplňuje";
            return s;
        }
        s.root = root;
        s.ok = true;
    } catch (const Overflow&) {
        s.problem = "čísla v rovnici jsou pro přesný výpočet příliš velká";
    }
    return s;
}

bool sidesAt(const std::string& text, const Rational& r, Rational& left, Rational& right,
             std::string& problem) {
    std::string l, rt;
    if (!splitSides(text, l, rt, problem)) return false;
    try {
        RationalAlgebra alg;
        alg.x = r;
        return readSide(alg, l, left, problem) && readSide(alg, rt, right, problem);
    } catch (const Overflow&) {
        problem = "čísla jsou pro přesný výpočet příliš velká";
        return false;
    }
}

}  // namespace exact
