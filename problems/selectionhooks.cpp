// Kept apart from the selection itself: this is the one place that ties it to
// the real files and to the program's single state.
#include "mainwindow/programstate.h"
#include "problems/selection.h"

SelectionScope selectionScope(ProgramState& program) {
    return {program.session, program.selection, program.currentEquation, program.editor};
}

SelectionHooks fileSelectionHooks() {
    SelectionHooks hooks;
    hooks.readEquation = readEquation;
    hooks.readExerciseEquation = readExerciseEquation;
    return hooks;
}
