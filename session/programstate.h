// All state of the running program in one struct.  The program's owner
// (mainwindow/ui/program.h) holds the one instance and hands it to the
// windows; tests make their own.
//
// The step flow lives in this folder too (session/stepflow.h): stepEntered,
// checkPhaseStep, showSolution and advanceLine work on this state and reach
// the screen, the bubble and the sounds through an interface that the main
// window implements, as the selection reaches them through its hooks.
#pragma once

#include "editor/writtenline.h"
#include "problems/equationfile.h"
#include "problems/selection.h"
#include "session/sessionstate.h"
#include "teacher/settingsfile.h"

struct ProgramState {
    SessionState session;
    SelectionState selection;
    ProgramSettings settings;
    EquationRecord currentEquation = initialEquation();
    EditorState editor;
};

// Puts every part of the state back to its start-of-run defaults and clears
// errorCode.  Runs once before the main window exists; the windows add their
// own off-screen pictures afterwards.
void initSessionState(ProgramState& state);

// The selection's view of the state.
SelectionScope selectionScope(ProgramState& state);
