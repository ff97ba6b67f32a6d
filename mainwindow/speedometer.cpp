#include "mainwindow/speedometer.h"

#include <algorithm>
#include <cmath>

#include "engine/rounding.h"

DialGeometry dialGeometry(double scaleX, double scaleY) {
    DialGeometry d;
    d.boxLeft = roundHalfEven(708 * scaleX);
    d.boxTop = roundHalfEven(10 * scaleY);
    d.boxRight = roundHalfEven(786 * scaleX);
    d.boxBottom = roundHalfEven(87 * scaleY);
    d.dialLeft = (d.boxLeft + d.boxRight - DIAL_WIDTH) / 2;
    d.dialTop = (d.boxTop + d.boxBottom - DIAL_HEIGHT) / 2;
    d.pivotX = d.dialLeft + 38;
    d.pivotY = d.dialTop + 72;
    return d;
}

NeedleEnd needleEnd(const AreaStatistics& row, const std::array<int32_t, 4>& b) {
    NeedleEnd end;
    const int32_t good = row.goodSteps;
    const int32_t total = good + row.wrongSteps;
    if (total == 0) return end;
    const int32_t p = roundHalfEven(good * 100.0 / total);
    end.percent = p;

    // u runs from 1 at 100 % to 6 at 0 %; its fraction sets the tick within
    // the band.  Each divisor is positive in the band it belongs to, whatever
    // order the boundaries are in, because p lies strictly between them.
    const double b1 = b[0], b2 = b[1], b3 = b[2], b4 = b[3];  // no int overflow in the differences
    double u = 0;
    if (p > b1) {
        end.band = 1;
        u = (100 - p) / (100 - b1) + 1;
    } else if (p > b2) {
        end.band = 2;
        u = (b1 - p) / (b1 - b2) + 2;
    } else if (p > b3) {
        end.band = 3;
        u = (b2 - p) / (b2 - b3) + 3;
    } else if (p > b4) {
        end.band = 4;
        u = (b3 - p) / (b3 - b4) + 4;
    } else {
        // The last band always points at the same place; its u is not needed,
        // and with a boundary of 0 it would be 0 / 0.
        end.band = 5;
        end.x = 67;
        end.y = 32;
        return end;
    }
    const double f = (u - std::trunc(u)) * 100;
    const int32_t tick = std::clamp(static_cast<int32_t>(std::trunc(f * 14 / 100)), 0, 13);
    switch (end.band) {
        case 1: end.x = tick + 11; end.y = 32 - tick / 4; break;
        case 2: end.x = tick + 25; end.y = 29 - tick / 8; break;
        case 3: end.x = tick + 39; end.y = 32 + tick / 8; break;
        default: end.x = tick + 53; end.y = 32 + tick / 4; break;
    }
    return end;
}
