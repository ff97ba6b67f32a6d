// The one place where the program's Windows-1250 texts become Qt strings.
#pragma once

#include <QString>
#include <optional>
#include <string>

QString toQt(const std::string& cp1250Text);
std::string fromQt(const QString& text);  // characters without a byte become '?'
// What the user typed, as bytes; nothing when it holds a character that
// Windows-1250 lacks, so such a text never passes for another one.
std::optional<std::string> fromQtExact(const QString& text);
