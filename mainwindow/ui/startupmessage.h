// The system message box of the first start-up failures, which come before
// the program's own warning dialog can be trusted to exist.
#pragma once

#include <string>

// Shows an information box with an "OK" button; returns when it is closed.
void showStartupMessage(const std::string& cp1250Text);
