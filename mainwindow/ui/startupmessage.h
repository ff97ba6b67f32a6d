// The system message box of the first start-up failures, which come before
// the program's own warning dialog can be trusted to exist.
#pragma once

#include <functional>
#include <string>

// Shows an information box with an "OK" button; returns when it is closed.
void showStartupMessage(const std::string& cp1250Text);

// For tests: while a hook is set, the text goes to it and no box opens.
using StartupMessageHook = std::function<void(const std::string& cp1250Text)>;
void setStartupMessageHook(StartupMessageHook hook);
