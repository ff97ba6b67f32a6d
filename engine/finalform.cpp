// The final form of a solution: the unknown alone on the left, a number or a
// fraction in lowest terms on the right.
#include <charconv>
#include <cstdlib>

#include "engine/engine.h"
#include "engine/enginedetail.h"

using namespace engine_detail;

namespace {

// Characters that keep a right side from being a plain number: operators,
// parentheses, the power operator and letters other than e, n, o and p.
bool isNonFinal(unsigned char c, bool parenthesesAllowed) {
    if (c == '(' || c == ')') return !parenthesesAllowed;
    if (c == '*' || c == '+' || c == '-' || c == ':' || c == POWER_OPERATOR) return true;
    return isLower(c) && c != 'e' && c != 'n' && c != 'o' && c != 'p';
}

bool isNumberChar(unsigned char c) { return isDigit(c) || c == '.' || c == 'e' || c == 'p'; }

// A signed 32-bit whole number in decimal, nothing else around it.
bool readInt32(const std::string& s, int64_t& out) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (i == s.size()) return false;
    for (std::size_t j = i; j < s.size(); ++j)
        if (!isDigit(byteAt(s, j))) return false;
    int32_t v = 0;
    const char* first = s.data() + (s[0] == '+' ? 1 : 0);
    const auto r = std::from_chars(first, s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return false;  // also out of range
    out = v;
    return true;
}

long position1(const std::string& s, char c) {
    const std::size_t p = s.find(c);
    return p == std::string::npos ? 0 : static_cast<long>(p) + 1;
}

}  // namespace

bool isReducible(int64_t a, int64_t b) {
    // Euclid's algorithm; the same answers as repeated subtraction, which
    // would take about a billion rounds for 2147483647 and 2.
    uint64_t x = a < 0 ? 0 - static_cast<uint64_t>(a) : static_cast<uint64_t>(a);
    uint64_t y = b < 0 ? 0 - static_cast<uint64_t>(b) : static_cast<uint64_t>(b);
    if (x == 0 || y == 0) return false;
    if (x == 1 && y == 1) return true;  // 1/1 counts as reducible
    while (y != 0) {
        const uint64_t r = x % y;
        x = y;
        y = r;
    }
    return x > 1;
}

int fractionTest(const std::string& rightSide) {
    const std::string r = removeSpaces(rightSide);
    // 1-based positions; 0 when absent.  For "(N)/(D)" the numerator is the
    // i-3 bytes after the "(" and the denominator runs from i+2 to the byte
    // before the last ")".
    const long i = position1(r, '/');
    const long k = position1(r, '(');
    const long size = static_cast<long>(r.size());
    const std::string numerator = copy1(r, k + 1, i - 3);
    const std::string denominator = copy1(r, i + 2, size - 1 - (i + 2) + 1);

    int64_t n = 0, d = 0;
    if (!readInt32(numerator, n)) return isDecimalReal(numerator) ? 1 : 2;
    if (!readInt32(denominator, d)) return isDecimalReal(denominator) ? 1 : 2;
    if (d == 1) return 1;
    return isReducible(std::llabs(n), std::llabs(d)) ? 1 : 0;
}

bool isFinalForm(const std::string& text) {
    if (failed()) return false;
    const std::string t = removeSpaces(text);
    const char unknown = findUnknown(t);
    if (failed()) return false;
    const std::size_t eq = t.find('=');
    if (eq == std::string::npos) {
        raise(NO_EQUALS_SIGN);
        return false;
    }
    if (eq != 1 || t[0] != unknown) return false;
    std::string right = t.substr(eq + 1);
    if (right.empty()) return false;
    if (right[0] == '-') right[0] = ' ';

    bool parenthesesAllowed = false;
    if (right.find('/') != std::string::npos) {
        const int f = fractionTest(right);
        if (f == 0) return true;
        if (f == 1) return false;
        parenthesesAllowed = true;
    }
    bool number = false;
    for (char ch : right) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (isNonFinal(c, parenthesesAllowed)) return false;
        if (isNumberChar(c)) number = true;
    }
    return number;
}
