// Kept apart from the selection itself: this is the one place that ties it to
// the real equation and exercise files.
#include "problems/selection.h"

SelectionHooks fileSelectionHooks() {
    SelectionHooks hooks;
    hooks.readEquation = readEquation;
    hooks.readExerciseEquation = [](int32_t number, const ListedFile& file, EquationRecord& target) {
        return readExerciseEquation(number, file, target);
    };
    return hooks;
}
