// Kept apart from the selection itself: this is the one place that ties it to
// the real equation and exercise files.
#include "problems/selection.h"

SelectionHooks fileSelectionHooks() {
    SelectionHooks hooks;
    hooks.readEquation = readEquation;
    hooks.readExerciseEquation = readExerciseEquation;
    return hooks;
}
