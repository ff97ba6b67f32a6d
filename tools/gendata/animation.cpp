#include <vector>

#include "feedback/animation.h"
#include "tools/gendata/commands.h"
#include "tools/gendata/sourcetext.h"

void generateAnimation(const std::string& sourcePath, const std::string& outPath) {
    const auto lines = readSource(sourcePath);
    std::vector<AnimationRecord> records;
    std::vector<bool> hasPhases;
    for (const SourceLine& line : lines) {
        const std::string& key = line.words[0];
        if (key == "record") {
            expectWords(sourcePath, line, 2);
            if (sourceInteger(sourcePath, line, 1) != static_cast<long>(records.size()))
                sourceFail(sourcePath, line, "records must be numbered 0, 1, 2, ... in order");
            records.emplace_back();
            hasPhases.push_back(false);
            continue;
        }
        if (records.empty()) sourceFail(sourcePath, line, "\"record <n>\" must come first");
        AnimationRecord& record = records.back();
        if (key == "playOnce") {
            expectWords(sourcePath, line, 2);
            record.playOnce = static_cast<int32_t>(sourceInteger(sourcePath, line, 1));
        } else if (key == "interval") {
            expectWords(sourcePath, line, 2);
            const long interval = sourceInteger(sourcePath, line, 1);
            if (interval != -1 && interval != -10 && (interval < 50 || interval > 5000))
                sourceFail(sourcePath, line, "interval is -1, -10 or 50..5000 ms");
            record.intervalMs = static_cast<int32_t>(interval);
        } else if (key == "duration") {
            expectWords(sourcePath, line, 2);
            const long duration = sourceInteger(sourcePath, line, 1);
            if (duration < 0 || duration > 600) sourceFail(sourcePath, line, "duration is 0..600 tenths");
            record.duration = static_cast<int32_t>(duration);
        } else if (key == "sound") {
            expectWords(sourcePath, line, 2);
            const std::string& name = line.words[1];
            if (name != "-" && (name.size() > 19 || !isPlainName(name)))
                sourceFail(sourcePath, line, "sound is \"-\" or up to 19 of a-z, 0-9");
            record.soundName = name == "-" ? std::string() : name;
        } else if (key == "phases") {
            if (line.words.size() < 2 || line.words.size() > 6) sourceFail(sourcePath, line, "1 to 5 phases");
            for (size_t k = 1; k < line.words.size(); ++k) {
                const long picture = sourceInteger(sourcePath, line, k);
                if (picture < 0 || picture >= MASCOT_PICTURES)
                    sourceFail(sourcePath, line, "mascot pictures are numbered 0.." + std::to_string(MASCOT_PICTURES - 1));
                record.phase[k - 1] = std::to_string(picture);
            }
            hasPhases.back() = true;
        } else {
            sourceFail(sourcePath, line, "unknown key \"" + key + "\"");
        }
    }
    if (records.size() != static_cast<size_t>(ANIMATION_FILE_RECORDS))
        throw SourceError(sourcePath + ": needs the records 0.." + std::to_string(ANIMATION_FILE_RECORDS - 1));
    for (size_t n = 0; n < records.size(); ++n)
        if (!hasPhases[n]) throw SourceError(sourcePath + ": record " + std::to_string(n) + " has no phases");
    if (!writeAnimationFile(outPath, records)) throw SourceError(outPath + ": cannot be written");
}
