#include "mainwindow/programstate.h"

#include "engine/engine.h"

ProgramState& state() {
    // Built on first use, so it exists before any window and lives to the end.
    static ProgramState programState;
    return programState;
}

void initSessionState() {
    state() = ProgramState{};
    errorCode = 0;
}
