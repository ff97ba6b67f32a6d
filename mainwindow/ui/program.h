// The one owner of the program's state and services.  main() makes it before
// any window and keeps it to the end; the windows get it by reference and
// reach the state, the warning dialog, the sounds and the chance through it.
// Tests make their own.
#pragma once

#include <functional>
#include <string>

#include "feedback/ui/sound.h"
#include "feedback/ui/warningdialog.h"
#include "mainwindow/ui/startupmessage.h"
#include "session/programstate.h"
#include "session/randomsource.h"

struct Program {
    ProgramState state;
    RandomSource random;
    Warnings warnings;
    SoundPlayer sound;
    // The system message box of the first start-up failures; a test puts its
    // own recorder here.
    std::function<void(const std::string& cp1250Text)> startupMessage = showStartupMessage;
};
