#include "problems/areas.h"

#include "engine/cp1250.h"

namespace {

struct AreaRow {
    int32_t code;
    const char* name;  // UTF-8 in the source, converted when asked for
};

// Row k-1 is area index k.
constexpr AreaRow AREAS[AREA_COUNT] = {
    {10, "Nejlehčí"},
    {11, "Nejlehčí 1"},
    {12, "Nejlehčí 2"},
    {13, "Nejlehčí 3"},
    {14, "Nejlehčí 4"},
    {20, "Lehké"},
    {21, "Lehké 1"},
    {22, "Lehké 2"},
    {23, "Lehké 3"},
    {30, "Se závorkami"},
    {31, "Se závorkami 1"},
    {32, "Se závorkami 2"},
    {33, "Se závorkami 3"},
    {40, "Se zlomkem"},
    {41, "Se zlomkem 1"},
    {42, "Se zlomkem 2"},
    {43, "Se zlomkem 3"},
    {50, "Nezn. ve jmenovateli"},
    {51, "Nezn. ve jmenovateli 1"},
    {52, "Nezn. ve jmenovateli 2"},
    {61, "Přijímačky"},
    {71, "Cvičení"},
};

}  // namespace

int32_t areaIndexOf(int32_t code) {
    for (int32_t i = 0; i < AREA_COUNT; ++i)
        if (AREAS[i].code == code) return i + 1;
    return 0;
}

int32_t areaCodeOf(int32_t index) {
    if (index < 1 || index > AREA_COUNT) return 0;
    return AREAS[index - 1].code;
}

std::string areaName(int32_t code, const std::string& exerciseName) {
    const int32_t index = areaIndexOf(code);
    if (index == 0) return {};
    std::string name = cp1250::w1250(AREAS[index - 1].name);
    if (code == EXERCISE_AREA) {
        // The listed file name without its ".cvc".
        const std::size_t keep = exerciseName.size() > 4 ? exerciseName.size() - 4 : 0;
        name += "   " + exerciseName.substr(0, keep);
    }
    return name;
}
