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
