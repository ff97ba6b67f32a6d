// The readable data sources: words on lines; "#" at the start of a word
// begins a comment.  A mistake in a source stops the generator with the file
// and line named.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

struct SourceLine {
    int number = 0;
    std::vector<std::string> words;
};

struct SourceError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Non-empty lines of the file, comments removed.  Throws SourceError when the
// file cannot be read.
std::vector<SourceLine> readSource(const std::string& path);

// Throws SourceError("<path>:<line>: <message>").
[[noreturn]] void sourceFail(const std::string& path, const SourceLine& line, const std::string& message);

// Whole-word number parsing; throw SourceError naming the line.
long sourceInteger(const std::string& path, const SourceLine& line, size_t word);
double sourceNumber(const std::string& path, const SourceLine& line, size_t word);
void expectWords(const std::string& path, const SourceLine& line, size_t count);

// Letters a-z and digits only, at least one: a name that becomes part of a
// file path.
bool isPlainName(const std::string& name);

// Writes the whole generated file; throws SourceError when it cannot.
void writeOutputFile(const std::string& path, const std::string& bytes);
