// Written lines for the tests, with readable stand-ins for the markers:
// [ { } < > ] are the six fraction markers in stored order, ^ and ` the two
// power markers.
#pragma once

#include <string>

#include "editor/layout.h"
#include "tests/support/testpage.h"

inline std::string wl(std::string pattern) {
    static const std::string standIns = "[{}<>]^`";
    static const unsigned char markers[] = {FRACTION_START,  DENOMINATOR_START, DENOMINATOR_END,
                                            NUMERATOR_START, NUMERATOR_END,     FRACTION_END,
                                            POWER_START,     POWER_END};
    for (char& ch : pattern) {
        const size_t k = standIns.find(ch);
        if (k != std::string::npos) ch = static_cast<char>(markers[k]);
    }
    return pattern;
}

// Every character is half its size wide, "1" (what markers measure) a third;
// every text is its size + 6 high.
struct FakeMetrics : TextMetrics {
    int width(unsigned char c, int size, bool) override { return c == '1' ? size / 3 : size / 2; }
    int height(unsigned char, int size, bool) override { return size + 6; }
};
