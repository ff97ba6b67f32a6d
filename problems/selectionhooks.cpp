// Kept apart from the selection itself: this is the one place that ties it to
// the real files and to the program's single state.
#include "mainwindow/programstate.h"
#include "problems/selection.h"

SelectionScope selectionScope(ProgramState& program) {
    return {program.session, program.selection, program.currentEquation, program.editor};
}

SelectionHooks fileSelectionHooks() {
    SelectionHooks hooks;
    hooks.readEquation = [](int code, int number, const std::string& exerciseName, EquationRecord& target) {
        return readEquation(code, number, exerciseName, target);
    };
    hooks.readExerciseEquation = [](int32_t number, const std::string& fileName, EquationRecord& target) {
        return readExerciseEquation(number, fileName, target);
    };
    return hooks;
}
