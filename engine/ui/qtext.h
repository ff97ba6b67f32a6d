// The one place where the program's Windows-1250 texts become Qt strings.
#pragma once

#include <QString>
#include <string>

QString toQt(const std::string& cp1250Text);
std::string fromQt(const QString& text);  // characters without a byte become '?'
