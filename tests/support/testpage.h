// A writing page for the tests of the editor and the step flow: the area
// from x 10, 600 wide, its first band at y 100, nine lines.
#pragma once

#include "editor/layout.h"

inline PageLayout testPage() {
    PageLayout p;
    p.fontSize = {0, 24, 14, 14, 8, 8, 16};
    p.areaLeft = 10;
    p.areaTop = 100;
    p.areaWidth = 600;
    p.pageLines = 9;
    return p;
}
