// The text of the help window: an HTML fragment for a rich-text box, in
// Windows-1250.  Its source is help/napoveda.html; the build converts it.
#pragma once

#include <string>

// The window's caption, "Nápověda" (Windows-1250).
std::string helpCaption();

// The whole help text, chapters with anchors and a table of contents.
const std::string& helpText();
