#include "teacher/gradeboundaries.h"

#include <limits>
#include <vector>

#include "engine/cp1250.h"
#include "teacher/settingswrite.h"

namespace {

int digitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v < base ? v : -1;
}

}  // namespace

bool parseBoundaryNumber(const std::string& text, int32_t& value) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) return false;
    // Magnitudes up to 2^31 fit: the lowest value has one more than the highest.
    const int64_t limit = static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + (negative ? 1 : 0);
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0) return false;
        magnitude = magnitude * base + d;
        if (magnitude > limit) return false;
    }
    value = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return true;
}

int checkBoundaries(const std::array<std::string, 4>& fields, GradeBoundaries& values) {
    GradeBoundaries parsed{};
    int code = 0;
    for (int row = 0; row < 4; ++row)
        if (!parseBoundaryNumber(fields[row], parsed[row])) code = row + 1;
    if (code != 0) return code;
    for (int k = 0; k < 3; ++k)
        if (parsed[k + 1] > parsed[k]) return 5;
    for (int32_t v : parsed)
        if (v > 99) return 6;
    for (int32_t v : parsed)
        if (v < 1) return 7;
    values = parsed;
    return 0;
}

std::string boundaryMessage(int code) {
    static const char* const texts[] = {
        "Chybný zápis čísla u jedničky!", "Chybný zápis čísla u dvojky!", "Chybný zápis čísla u trojky!",
        "Chybný zápis čísla u čtyřky!",   "Hranice musí být seřazeny sestupně!", "Číslo nesmí být větší než 99",
        "Číslo nesmí být menší než 1",
    };
    return code >= 1 && code <= 7 ? cp1250::w1250(texts[code - 1]) : std::string();
}

std::string boundaryText(int32_t value) { return std::to_string(value); }

BoundaryStore applyGradeBoundaries(const std::array<std::string, 4>& fields, ProgramSettings& settings,
                                   const SettingsWarning& warn, const std::string& path, savefile::Output& out) {
    GradeBoundaries values{};
    const int code = checkBoundaries(fields, values);
    if (code != 0) {
        if (warn) warn(boundaryMessage(code));
        return BoundaryStore::Refused;
    }
    const std::vector<double> records(values.begin(), values.end());
    const SettingsWrite written = replaceSettingsRecords(SETTINGS_BOUNDARY_RECORD, records, warn, path, out);
    if (written == SettingsWrite::OpenFailed) {
        if (warn) warn(cp1250::w1250("Chyba při zápisu na disk,platí původní hodnoty!"));
        return BoundaryStore::OpenFailed;
    }
    settings.gradeBoundaries = values;
    return written == SettingsWrite::Written ? BoundaryStore::Stored : BoundaryStore::WriteFailed;
}
