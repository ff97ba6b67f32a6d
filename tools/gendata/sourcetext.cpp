#include "tools/gendata/sourcetext.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

std::vector<SourceLine> readSource(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw SourceError(path + ": cannot be read");
    std::vector<SourceLine> lines;
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        // "#" opens a comment only at the start of a word: F#5 is a note.
        for (size_t at = 0; at < text.size(); ++at)
            if (text[at] == '#' && (at == 0 || text[at - 1] == ' ' || text[at - 1] == '\t')) {
                text.erase(at);
                break;
            }
        std::istringstream words(text);
        SourceLine line{number, {}};
        for (std::string word; words >> word;) line.words.push_back(word);
        if (!line.words.empty()) lines.push_back(line);
    }
    return lines;
}

void sourceFail(const std::string& path, const SourceLine& line, const std::string& message) {
    throw SourceError(path + ":" + std::to_string(line.number) + ": " + message);
}

void expectWords(const std::string& path, const SourceLine& line, size_t count) {
    if (line.words.size() != count)
        sourceFail(path, line, "expected " + std::to_string(count) + " words after \"" + line.words[0] + "\"");
}

long sourceInteger(const std::string& path, const SourceLine& line, size_t word) {
    if (word >= line.words.size()) sourceFail(path, line, "a whole number is missing");
    const std::string& text = line.words[word];
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0) sourceFail(path, line, "not a whole number: " + text);
    return value;
}

double sourceNumber(const std::string& path, const SourceLine& line, size_t word) {
    if (word >= line.words.size()) sourceFail(path, line, "a number is missing");
    const std::string& text = line.words[word];
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || errno != 0) sourceFail(path, line, "not a number: " + text);
    return value;
}

bool isPlainName(const std::string& name) {
    if (name.empty()) return false;
    for (char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

void writeOutputFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw SourceError(path + ": cannot be written");
}
