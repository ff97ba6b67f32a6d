// The evaluation window's content: for each area of a group, the correct and
// wrong steps, the equations, the two bars and the grade that the share of
// correct steps earns under the teacher's four boundaries.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

constexpr int EVALUATION_ITEMS = 7;
constexpr int EVALUATION_PANELS = 4;
constexpr int EVALUATION_BAR_MAX = 60;  // pixels, both bars together

// The radio items, in order (Windows-1250).
const std::array<std::string, EVALUATION_ITEMS>& evaluationItems();

// The radio item for an area code (the low byte of currentArea): code div 10
// minus 1, or -1 (no item) for the start screen and anything outside the items.
int evaluationItemOf(uint8_t areaCode);

// Whole percent of correct steps, truncated; 100 when there is no step.
int32_t goodPercentage(uint16_t good, uint16_t wrong);

// 1..5: 1 above the first boundary, ..., 5 at or below the fourth.
int gradeOf(int32_t percentage, const std::array<int32_t, 4>& boundaries);

struct StepCounts {
    uint16_t goodSteps = 0, wrongSteps = 0, solvedEquations = 0;
};

struct EvaluationPanel {
    bool shown = false;  // false: an empty panel, no texts, no bars
    std::string caption;   // first line
    std::string steps;     // "Dobře/chyb    g/w"
    std::string equations; // "Rovnic   e"
    std::string grade;     // one digit
    int32_t blueHeight = 0, redHeight = 0;  // bars, 0 when there is no step
};

// The top of a bar that grows upwards from 2 pixels above the panel's bottom.
inline int32_t barTop(int32_t panelHeight, int32_t barHeight) { return panelHeight - 2 - barHeight; }

// One area's panel from its statistics row.
EvaluationPanel evaluationPanel(const std::string& caption, const StepCounts& counts,
                                const std::array<int32_t, 4>& boundaries);

// Caption and statistics row (area index) of each panel of an item; row 0
// for a panel that stays empty.
struct PanelArea {
    std::string caption;
    int row = 0;
};
std::array<PanelArea, EVALUATION_PANELS> evaluationGroup(int item);

// All four panels for an item; `countsOf` gives the statistics row by area index.
std::array<EvaluationPanel, EVALUATION_PANELS> evaluationPanels(
    int item, const std::function<StepCounts(int row)>& countsOf, const std::array<int32_t, 4>& boundaries);
