#include "session/programstate.h"

#include "engine/engine.h"

void initSessionState(ProgramState& state) {
    state = ProgramState{};
    errorCode = 0;
}

SelectionScope selectionScope(ProgramState& state) {
    SessionState& s = state.session;
    return {s.currentArea,   s.exerciseName,          s.exerciseDiskName,       s.exerciseIndex,
            s.areaCounts,    state.selection,         state.currentEquation,    state.editor.fixedPrefix,
            state.editor.checkPhase};
}
