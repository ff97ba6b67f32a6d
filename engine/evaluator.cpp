// Recursive-descent evaluator over normalised linear text.  There is no
// tokeniser: every level reads the one space-free text through a cursor that
// is bounded by the end of the group it belongs to.
#include <charconv>
#include <cmath>

#include "engine/engine.h"
#include "engine/enginedetail.h"

using namespace engine_detail;

namespace {

// The program never evaluates more than a 255-byte side plus "+1-1".  A far
// longer text (only a tool's caller can pass one) is refused, which also
// bounds the recursion depth, since every level consumes at least one byte.
constexpr std::size_t MAX_EXPRESSION = 1024;

// Integer exponents are applied by repeated multiplication, as the pupil
// would; beyond this a loop would take too long and pow is used instead.
constexpr double MAX_LOOP_EXPONENT = 1000;

struct Cursor {
    std::size_t pos;
    std::size_t end;  // one past the last byte of the current group
};

class Evaluator {
public:
    explicit Evaluator(const std::string& text) : t_(text) {}

    // A whole expression of the bytes [begin, end); also every group in
    // parentheses.  "a - b + c" is read as a + ((-b) + c): the sign starts the
    // rest of the text as an expression of its own.
    double expression(std::size_t begin, std::size_t end) {
        Cursor c{begin, end};
        const double v = term(c);
        if (failed()) return 0;
        if (c.pos >= c.end) return v;
        const unsigned char ch = at(c.pos);
        if (ch == '+' || ch == '-') return v + expression(c.pos, c.end);
        raise(SYNTAX_ERROR);
        return 0;
    }

private:
    unsigned char at(std::size_t i) const { return byteAt(t_, i); }

    double term(Cursor& c) {
        const double f = factor(c);
        if (failed()) return 0;
        if (c.pos >= c.end) return f;
        const unsigned char ch = at(c.pos);
        if (ch == '*') {
            ++c.pos;
            return f * term(c);
        }
        if (ch == '/' || ch == ':') {
            ++c.pos;
            const double divisor = factor(c);
            if (failed()) return 0;
            if (divisor == 0) {
                raise(DIVISION_BY_ZERO);
                return 0;
            }
            const double q = f / divisor;
            if (c.pos < c.end && at(c.pos) == '*') {
                ++c.pos;
                return q * term(c);
            }
            return q;
        }
        // "+", "-" or anything else ends the term; the expression level
        // refuses what is not a sign.
        return f;
    }

    double factor(Cursor& c) {
        if (c.pos >= c.end) {
            raise(MISSING_OPERAND);
            return 0;
        }
        if (at(c.pos) == '+') ++c.pos;
        double sign = 1;
        if (c.pos < c.end && at(c.pos) == '-') {
            ++c.pos;
            sign = -1;
        }
        double v;
        if (c.pos < c.end && at(c.pos) == '(') {
            const std::size_t open = c.pos;
            const std::size_t close = matching(open, c.end);
            if (failed()) return 0;
            v = expression(open + 1, close);
            if (failed()) return 0;
            c.pos = close + 1;
        } else if (c.pos < c.end && isDigit(at(c.pos))) {
            v = number(c);
            if (failed()) return 0;
        } else {
            // A sign with nothing after it, "--", "-+", ".5", a letter left
            // in the text: no operand can be read here.
            raise(SYNTAX_ERROR);
            return 0;
        }
        if (c.pos + 1 < c.end && at(c.pos) == POWER_OPERATOR) v = power(v, c);
        return sign * v;
    }

    std::size_t matching(std::size_t open, std::size_t end) {
        int opened = 1, closed = 0;
        for (std::size_t i = open + 1; i < end; ++i) {
            if (at(i) == '(') ++opened;
            else if (at(i) == ')' && ++closed == opened) return i;
        }
        raise(UNMATCHED_PARENTHESIS);
        return end;
    }

    double number(Cursor& c) {
        const std::size_t start = c.pos;
        while (c.pos < c.end && isDigit(at(c.pos))) ++c.pos;
        bool point = false;
        if (c.pos < c.end && at(c.pos) == '.') {
            point = true;
            ++c.pos;
            while (c.pos < c.end && isDigit(at(c.pos))) ++c.pos;
        }
        // "5." has no digits after its point: not a number as a pupil writes it.
        if (point && !isDigit(at(c.pos - 1))) {
            raise(BAD_NUMBER);
            return 0;
        }
        double v = 0;
        const char* first = t_.data() + start;
        const char* last = t_.data() + c.pos;
        const auto r = std::from_chars(first, last, v, std::chars_format::fixed);
        if (r.ec != std::errc() || r.ptr != last || !std::isfinite(v)) {
            raise(BAD_NUMBER);
            return 0;
        }
        return v;
    }

    // Exponents group from the right: the exponent is a factor, which may
    // itself carry a power.
    double power(double base, Cursor& c) {
        ++c.pos;
        const double q = factor(c);
        if (failed()) return 0;
        if (std::fabs(base) < 0.00001) return 0;
        if (std::fabs(q) < 0.00001) return 1;
        double result;
        const double n = std::nearbyint(q);
        if (std::fabs(q - n) < 0.00001) {
            double product = 1;
            if (std::fabs(n) <= MAX_LOOP_EXPONENT) {
                const long count = static_cast<long>(std::fabs(n));
                for (long i = 0; i < count && std::isfinite(product); ++i) product *= base;
            } else {
                product = std::pow(base, std::fabs(n));
            }
            result = n < 0 ? 1 / product : product;
        } else {
            if (base < 0.00001) {  // a negative base with a fractional exponent
                raise(POWER_FAILED);
                return 0;
            }
            result = std::exp(q * std::log(base));
        }
        // Overflow of any power is refused here; an infinite value would let
        // a wrong line pass the comparison of the two sides.
        if (!std::isfinite(result)) {
            raise(POWER_FAILED);
            return 0;
        }
        return result;
    }

    const std::string& t_;
};

}  // namespace

double evaluate(const std::string& expression) {
    if (failed()) return 0;
    const std::string t = removeSpaces(expression);
    if (t.size() > MAX_EXPRESSION) {
        raise(TEXT_TOO_LONG);
        return 0;
    }
    Evaluator e(t);
    const double v = e.expression(0, t.size());
    return failed() ? 0 : v;
}
