// All state of the running program, owned in one place.  Windows and
// operations reach it through state(); tests start from a fresh ProgramState.
#pragma once

#include "editor/writtenline.h"
#include "mainwindow/sessionstate.h"
#include "problems/equationfile.h"
#include "problems/selection.h"
#include "teacher/settingsfile.h"

struct ProgramState {
    SessionState session;
    SelectionState selection;
    ProgramSettings settings;
    EquationRecord currentEquation = initialEquation();
    EditorState editor;
};

ProgramState& state();

// Puts every part of the program state back to its start-of-run defaults and
// clears errorCode.  Runs once before the main window exists; the windows add
// their own off-screen pictures afterwards.
void initSessionState();
