#include "teacher/evaluation.h"

#include "engine/cp1250.h"

const std::array<std::string, EVALUATION_ITEMS>& evaluationItems() {
    static const std::array<std::string, EVALUATION_ITEMS> items = {
        cp1250::w1250("Nejlehčí"),     cp1250::w1250("Lehké"),
        cp1250::w1250("Se závorkami"), cp1250::w1250("Se zlomky"),
        cp1250::w1250("S neznámou ve jmenovateli"), cp1250::w1250("Příklady z přijímaček"),
        cp1250::w1250("Cvičení"),
    };
    return items;
}

int evaluationItemOf(uint8_t areaCode) {
    const int item = areaCode / 10 - 1;
    return item >= 0 && item < EVALUATION_ITEMS ? item : -1;
}

int32_t goodPercentage(uint16_t good, uint16_t wrong) {
    // In 32 bits: 65535 correct steps times 100 does not fit the counters' type.
    const int32_t total = int32_t{good} + int32_t{wrong};
    return total > 0 ? int32_t{good} * 100 / total : 100;
}

int gradeOf(int32_t percentage, const std::array<int32_t, 4>& boundaries) {
    for (int k = 0; k < 4; ++k)
        if (percentage > boundaries[k]) return k + 1;
    return 5;
}

EvaluationPanel evaluationPanel(const std::string& caption, const StepCounts& counts,
                                const std::array<int32_t, 4>& boundaries) {
    EvaluationPanel panel;
    panel.shown = true;
    panel.caption = caption;
    const int32_t good = counts.goodSteps, wrong = counts.wrongSteps;
    panel.steps = cp1250::w1250("Dobře/chyb    ") + std::to_string(good) + "/" + std::to_string(wrong);
    panel.grade = std::to_string(gradeOf(goodPercentage(counts.goodSteps, counts.wrongSteps), boundaries));
    panel.equations = "Rovnic   " + std::to_string(counts.solvedEquations);
    const int32_t total = good + wrong;
    if (total > 0) {
        panel.blueHeight = good * EVALUATION_BAR_MAX / total;
        panel.redHeight = wrong * EVALUATION_BAR_MAX / total;
    }
    return panel;
}

std::array<PanelArea, EVALUATION_PANELS> evaluationGroup(int item) {
    struct Entry {
        const char* caption;
        int row;
    };
    static const Entry groups[EVALUATION_ITEMS][EVALUATION_PANELS] = {
        {{"Typ: x+5=7", 2}, {"Typ: 3x=12", 3}, {"Typ: x/3=6", 4}, {"Typ: x/2=6/4", 5}},
        {{"Typ: 2x+5=7", 7}, {"Typ: 3x+12=7x+4", 8}, {"S desetinnými čísly", 9}, {"", 0}},
        {{"S jednou závorkou", 11}, {"Mínus u závorky", 12}, {"Více závorek", 13}, {"", 0}},
        {{"Nejjednodušší", 15}, {"Vícečlenný čitatel", 16}, {"Nejtěžší příklady", 17}, {"", 0}},
        {{"Jednočlenný jmen.", 19}, {"Opravdu těžké", 20}, {"", 0}, {"", 0}},
        {{"Z přijímaček", 21}, {"", 0}, {"", 0}, {"", 0}},
        {{"Cvičení", 22}, {"", 0}, {"", 0}, {"", 0}},
    };
    std::array<PanelArea, EVALUATION_PANELS> areas{};
    if (item < 0 || item >= EVALUATION_ITEMS) return areas;
    for (int p = 0; p < EVALUATION_PANELS; ++p)
        areas[p] = {cp1250::w1250(groups[item][p].caption), groups[item][p].row};
    return areas;
}

std::array<EvaluationPanel, EVALUATION_PANELS> evaluationPanels(
    int item, const std::function<StepCounts(int row)>& countsOf, const std::array<int32_t, 4>& boundaries) {
    std::array<EvaluationPanel, EVALUATION_PANELS> panels{};
    const auto areas = evaluationGroup(item);
    for (int p = 0; p < EVALUATION_PANELS; ++p)
        if (areas[p].row != 0) panels[p] = evaluationPanel(areas[p].caption, countsOf(areas[p].row), boundaries);
    return panels;
}
