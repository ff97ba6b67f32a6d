// Checks of equation files and sources before they reach pupils: the root is
// the exact solution, every sample line holds at it, the last line (and only
// the last) is a finished result, and every line is one the pupil's editor
// could show and check.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "problems/equationfile.h"
#include "tools/rovnice/exact.h"

namespace verify {

// One equation to check, with where it came from.
struct Item {
    std::string file;
    int record = 0;               // from 0, as the program numbers records
    int lineOf[EquationRecord::SLOTS] = {};  // source line per slot; 0 for .dat
    EquationRecord rec;
    int steps = 0;                // sample lines to check (slots 1..steps)
    int rootLine = 0;             // source line of the root, 0 for .dat
    bool hasExactRoot = false;    // sources give the root exactly
    exact::Rational exactRoot;
};

class Checker {
public:
    // Problems are printed as "file[:line]: záznam N[, …]: text".
    std::vector<std::string> problems;

    void checkDatFile(const std::string& path, const std::string& bytes);
    void checkSourceFile(const std::string& path, const std::string& content);
    void checkItem(const Item& item);
    int equationCount() const { return equationCount_; }

private:
    struct Seen {
        std::string file, stem;
        int record;
    };
    std::map<std::string, Seen> equations_;  // normalised equation -> first place
    int equationCount_ = 0;
    std::set<std::string> reported_;  // problems already printed

    void report(const Item& item, int slot, const std::string& what);
    void fileProblem(const std::string& file, const std::string& what);
    void countRule(const std::string& path, size_t count);
};

// The file name without its folder and extension: "data/r11.txt" -> "r11".
std::string fileStem(const std::string& path);

// The mathematics of a line as wide as this many characters: a fraction
// takes the wider of its parts, an exponent one place.
int lineWidth(const std::string& bytes);

// Structure and character problems of one written line (Czech texts); empty
// when it is a line the pupil's editor could hold.
std::vector<std::string> lineProblems(const std::string& bytes);

}  // namespace verify
