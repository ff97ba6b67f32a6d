#include "engine/cp1250.h"
#include "teacher/settingsfile.h"
#include "tools/gendata/commands.h"
#include "tools/gendata/sourcetext.h"

namespace {

bool switchValue(const std::string& path, const SourceLine& line) {
    expectWords(path, line, 2);
    if (line.words[1] == "on") return true;
    if (line.words[1] != "off") sourceFail(path, line, "a switch is \"on\" or \"off\"");
    return false;
}

}  // namespace

void generateSettings(const std::string& sourcePath, const std::string& outPath) {
    ProgramSettings settings;
    bool seen[4] = {false, false, false, false};
    for (const SourceLine& line : readSource(sourcePath)) {
        const std::string& key = line.words[0];
        if (key == "password") {
            // No words: the empty password.  The source is UTF-8, the file Windows-1250.
            if (line.words.size() > 2) sourceFail(sourcePath, line, "the password is one word");
            std::string bytes;
            if (line.words.size() == 2 && !cp1250::fromUtf8(line.words[1], bytes))
                sourceFail(sourcePath, line, "the password has a character Windows-1250 lacks");
            if (bytes.size() > SETTINGS_PASSWORD_LENGTH) sourceFail(sourcePath, line, "at most 20 characters");
            for (char c : bytes)
                if (static_cast<unsigned char>(c) < 32) sourceFail(sourcePath, line, "no control characters");
            settings.password = upperCasePassword(bytes);
            seen[0] = true;
        } else if (key == "boundaries") {
            expectWords(sourcePath, line, 5);
            for (int k = 0; k < 4; ++k) {
                const long value = sourceInteger(sourcePath, line, k + 1);
                if (value < 1 || value > 99) sourceFail(sourcePath, line, "boundaries are 1..99");
                if (k > 0 && value > settings.gradeBoundaries[k - 1])
                    sourceFail(sourcePath, line, "boundaries must not rise");
                settings.gradeBoundaries[k] = static_cast<int32_t>(value);
            }
            seen[1] = true;
        } else if (key == "checks") {
            settings.checksEnabled = switchValue(sourcePath, line);
            seen[2] = true;
        } else if (key == "solution") {
            settings.showSolutionEnabled = switchValue(sourcePath, line);
            seen[3] = true;
        } else {
            sourceFail(sourcePath, line, "unknown key \"" + key + "\"");
        }
    }
    if (!(seen[0] && seen[1] && seen[2] && seen[3]))
        throw SourceError(sourcePath + ": needs password, boundaries, checks and solution");

    writeOutputFile(outPath, encodeSettingsFile(settingsRecords(settings)));
}
