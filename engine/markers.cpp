#include "engine/markers.h"

std::vector<bool> structuralMarkers(const std::string& text) {
    const int n = static_cast<int>(text.size());
    std::vector<bool> s(static_cast<size_t>(n) + 1, false);
    auto at = [&](int i) -> unsigned char {
        return i >= 1 && i <= n ? static_cast<unsigned char>(text[static_cast<size_t>(i - 1)]) : 0;
    };
    // A power's exponent is one digit as inserted, or more once an "x" is
    // typed into it; never empty.
    for (int i = 1; i + 2 <= n; ++i) {
        if (at(i) != POWER_START) continue;
        int end = i + 1;
        while (end <= n && !isMarker(at(end))) ++end;
        if (end > i + 1 && at(end) == POWER_END) {
            s[i] = s[end] = true;
            i = end;
        }
    }
    // Fractions never nest: no byte with a fraction marker's code lies inside
    // one, so each one's markers are the next such bytes after its start.  A
    // "‚†" typed in a note before a fraction is thus not taken for its start.
    auto isFractionCode = [](unsigned char b) { return b >= FRACTION_START && b <= DENOMINATOR_END; };
    auto nextFractionCode = [&](int from) {
        while (from <= n && !isFractionCode(at(from))) ++from;
        return from;
    };
    for (int i = 1; i <= n; ++i) {
        if (at(i) != FRACTION_START || at(i + 1) != DENOMINATOR_START) continue;
        const int de = nextFractionCode(i + 2);
        if (at(de) != DENOMINATOR_END || at(de + 1) != NUMERATOR_START) continue;
        const int ne = nextFractionCode(de + 2);
        if (at(ne) != NUMERATOR_END || at(ne + 1) != FRACTION_END) continue;
        for (int j : {i, i + 1, de, de + 1, ne, ne + 1}) s[static_cast<size_t>(j)] = true;
        i = ne + 1;
    }
    return s;
}
