#include "teacher/settingsfile.h"

#include <cmath>
#include <limits>

#include <sys/stat.h>

#include "engine/cp1250.h"
#include "engine/regularfile.h"

namespace {

enum class Message { OpenFailed, Changed, ReadFailed, WriteFailed, StoreFailed };

// The texts are written here in UTF-8 and converted once, on first use.
const std::string& message(Message which) {
    static const std::string texts[] = {
        cp1250::w1250(" Soubor POM.CFG se nepodařilo otevřít!"),
        cp1250::w1250(" Soubor POM.CFG byl nepovoleně změněn!"),
        cp1250::w1250(" Nelze číst ze souboru POM.CFG!"),
        cp1250::w1250(" Nelze zapsat do souboru POM.CFG!"),
        cp1250::w1250("Nepodařilo se zapsat do souboru POM.CFG!"),
    };
    return texts[static_cast<int>(which)];
}

void tell(const SettingsWarning& warn, Message which) {
    if (warn) warn(message(which));
}

// The writer's own report of a failed record.
void reportWriteFailed(const SettingsWarning& warn) { tell(warn, Message::WriteFailed); }

// Nearest integer, halves to the even neighbour; a value no integer can hold
// (a damaged file) is pinned to the range instead of overflowing.
int64_t roundSettingsValue(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(value);
    if (rounded >= 9.2e18) return INT64_MAX;
    if (rounded <= -9.2e18) return INT64_MIN;
    return static_cast<int64_t>(rounded);
}

// Places `file` at record `index`; false for a negative index or a failed seek.
bool seekRecord(std::FILE* file, int index) {
    return index >= 0 && std::fseek(file, static_cast<long>(index) * SETTINGS_RECORD_SIZE, SEEK_SET) == 0;
}

// Reads the next record; false at the end of the file or on a read error.
bool readRecord(std::FILE* file, double& value) {
    unsigned char bytes[SETTINGS_RECORD_SIZE];
    if (std::fread(bytes, 1, SETTINGS_RECORD_SIZE, file) != SETTINGS_RECORD_SIZE) return false;
    value = littleendian::getDouble(bytes);
    return true;
}

// The next 20 records as 20 single-byte characters (low 8 bits of each code).
bool readSettingsText(std::FILE* file, std::string& text) {
    text.clear();
    for (int k = 0; k < SETTINGS_PASSWORD_LENGTH; ++k) {
        double value;
        if (!readRecord(file, value)) return false;
        text += static_cast<char>(static_cast<unsigned char>(roundSettingsValue(value) & 0xFF));
    }
    return true;
}

int32_t boundaryOf(double value) {
    const int64_t whole = roundSettingsValue(value);
    if (whole > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (whole < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(whole);
}

std::string readAll(std::FILE* file, ProgramSettings& settings) {
    const std::string& failed = message(Message::ReadFailed);
    std::string text;
    if (!readSettingsText(file, text)) return failed;
    const size_t end = text.find(static_cast<char>(SETTINGS_TEXT_END));
    settings.password = upperCasePassword(end == std::string::npos ? text : text.substr(0, end));

    std::string ignored;
    if (!readSettingsText(file, ignored) || !readSettingsText(file, ignored)) return failed;

    double value;
    for (int k = 0; k < 4; ++k) {
        if (!readRecord(file, value)) return failed;
        settings.gradeBoundaries[k] = boundaryOf(value);
    }
    if (!readRecord(file, value)) return failed;  // unused number
    if (!readRecord(file, value)) return failed;
    settings.checksEnabled = value > 0.0;
    if (!readRecord(file, value)) return failed;
    settings.showSolutionEnabled = value > 0.0;
    return {};
}

}  // namespace

std::string loadSettings(ProgramSettings& settings, const std::string& path) {
    // A folder or a pipe of that name is, for the teacher, simply a settings
    // file that is not there.
    std::FILE* file = regularfile::fopenRegular(path, "rb");
    if (!file) return message(Message::OpenFailed);

    struct stat info;
    if (::fstat(fileno(file), &info) != 0) {
        std::fclose(file);
        return message(Message::ReadFailed);
    }
    const auto size = static_cast<uintmax_t>(info.st_size);
    // The record count is the file's only integrity check; a few stray bytes
    // after the last whole record do not count.
    if (size / SETTINGS_RECORD_SIZE != static_cast<uintmax_t>(SETTINGS_RECORD_COUNT)) {
        std::fclose(file);
        return message(Message::Changed);
    }

    ProgramSettings loaded;
    const std::string message = readAll(file, loaded);
    std::fclose(file);
    if (message.empty()) settings = loaded;
    return message;
}

std::FILE* openSettingsForWriting(const std::string& path) { return regularfile::fopenRegular(path, "r+b"); }

bool writeSettingsRecord(std::FILE* file, double value, const SettingsWarning& warn) {
    bool ok = file != nullptr;
    long position = -1;
    if (ok) {
        position = std::ftell(file);
        // Writing past the end would make the file longer; it is refused like
        // any other failed write, so the file keeps its length whatever happens.
        ok = position >= 0 && std::fseek(file, 0, SEEK_END) == 0;
        const long size = ok ? std::ftell(file) : -1;
        ok = ok && size >= position + SETTINGS_RECORD_SIZE && std::fseek(file, position, SEEK_SET) == 0;
    }
    if (ok) {
        unsigned char bytes[SETTINGS_RECORD_SIZE];
        littleendian::putDouble(bytes, value);
        // Flushed at once: a full disk must be noticed here, not when the file
        // is closed and nobody reports it any more.
        ok = std::fwrite(bytes, 1, SETTINGS_RECORD_SIZE, file) == SETTINGS_RECORD_SIZE && std::fflush(file) == 0;
    }
    if (!ok) {
        if (file && position >= 0) std::fseek(file, position, SEEK_SET);
        reportWriteFailed(warn);
    }
    return ok;
}

bool storeSettingsRecord(int index, double value, const SettingsWarning& warn, const std::string& path) {
    // An index outside the file would only lengthen it; it is never written.
    const bool inside = index >= 0 && index < SETTINGS_RECORD_COUNT;
    const bool written = inside && writeSettingsGroup(index, {value}, warn, path) == SettingsWrite::Written;
    if (!written) tell(warn, Message::StoreFailed);
    return written;
}

SettingsWrite writeSettingsGroup(int firstIndex, const std::vector<double>& values, const SettingsWarning& warn,
                                 const std::string& path) {
    std::FILE* file = openSettingsForWriting(path);
    if (!file) return SettingsWrite::OpenFailed;
    bool failed = !seekRecord(file, firstIndex);
    if (failed) reportWriteFailed(warn);
    for (auto value = values.begin(); !failed && value != values.end(); ++value)
        failed = !writeSettingsRecord(file, *value, warn);
    // Every record was flushed as it was written, but a close that fails
    // still means the change may not be on the disk.
    if (std::fclose(file) != 0 && !failed) {
        failed = true;
        reportWriteFailed(warn);
    }
    return failed ? SettingsWrite::WriteFailed : SettingsWrite::Written;
}
