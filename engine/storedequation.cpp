// The check of an equation read from a file before the pupil is given it.
#include <cmath>

#include "engine/cp1250.h"
#include "engine/engine.h"

bool isPresentableEquation(const std::string& line, double root) {
    if (line.empty() || line.size() > static_cast<size_t>(MAX_LINE_BYTES) || !std::isfinite(root)) return false;
    if (!canBeginLine(static_cast<unsigned char>(line[0]))) return false;
    const std::vector<bool> structural = structuralMarkers(line);
    for (size_t i = 0; i < line.size(); ++i) {
        const auto b = static_cast<unsigned char>(line[i]);
        if (b < 32 || b == 127) return false;
        if (isMarker(b) ? !structural[i + 1] : cp1250::toUnicode(b) < 0) return false;
    }

    const int32_t saved = errorCode;
    errorCode = 0;
    const std::string text = removeSpaces(normalise(line));
    const size_t equals = text.find('=');
    bool holds = errorCode == 0 && equals != std::string::npos && equals > 0 && equals + 1 < text.size();
    holds = holds && checkEquation(text, root) == 0;
    errorCode = saved;
    return holds;
}
