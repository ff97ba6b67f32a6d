#include "teacher/printout.h"

#include <algorithm>

#include "engine/cp1250.h"

std::string printTitle(const std::string& fileName) {
    return cp1250::w1250("   Zadání rovnic s řešením ze souboru: ") + fileName;
}

PrintLayout layoutPrintout(const std::string& fileName, const std::vector<std::string>& lines, int pageWidth,
                           int pageHeight, TextMeasure& measure) {
    PrintLayout layout;
    layout.step = std::max(1, pageHeight / PRINT_SLOTS);
    const int limit = std::max(PRINT_FIRST_FONT_HEIGHT, layout.step);
    layout.fontHeight = PRINT_FIRST_FONT_HEIGHT;
    while (layout.fontHeight < limit && measure.textHeight(layout.fontHeight, "X") < layout.step)
        ++layout.fontHeight;

    auto slotY = [&](int slot) { return layout.step * slot + layout.step / 8; };
    layout.pages.emplace_back();
    layout.pages.back().push_back({PRINT_TITLE_X, slotY(0), printTitle(fileName)});
    const int x = std::max(0, pageWidth) / 20;
    int slot = 3;
    for (size_t i = 0; i < lines.size(); ++i, ++slot) {
        if (slot == PRINT_SLOTS) {
            layout.pages.emplace_back();
            slot = 0;
        }
        layout.pages.back().push_back({x, slotY(slot), std::to_string(i + 1) + ")  " + lines[i]});
    }
    return layout;
}

std::string noFileToPrintMessage() {
    return cp1250::w1250("Nejdříve klikněte vlevo na soubor, jehož rovnice chcete vytisknout.");
}

std::string noPrinterMessage() {
    return cp1250::w1250("Tisk se nepodařil: tiskárna není k dispozici nebo tisk odmítla. Nic se nevytisklo.");
}
