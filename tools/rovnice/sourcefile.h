// Readable equation sources (data/equations/rNN.txt, UTF-8):
//
//   # comment
//   rovnice: 2x+5=7
//   koren: 1
//   postup:
//       2x+5=7 /-5
//       2x=2 /:2
//       x=1
//
// Lines are in the notation of notation.h.  The root is exact: an integer, a
// decimal (point or comma) or p/q, with an optional leading "-".
#pragma once

#include <string>
#include <vector>

#include "problems/equationfile.h"
#include "tools/rovnice/exact.h"

namespace source {

struct Line {
    int lineNumber = 0;  // in the source file, from 1
    std::string bytes;   // the written line
};

struct Equation {
    Line equation;
    int rootLine = 0;
    exact::Rational root;
    std::vector<Line> steps;

    EquationRecord record() const;
};

struct Error {
    int lineNumber = 0;
    std::string message;  // Czech, UTF-8
};

// Reads every block it can; returns false when there were errors.
bool parse(const std::string& content, std::vector<Equation>& equations,
           std::vector<Error>& errors);

// A record's root written back as source text: a short decimal, else the
// simplest fraction with exactly this double, else all the digits needed.
std::string rootText(double root);

// A record as a source block, every line on its own.
std::string block(const EquationRecord& record);

// The records of equations as an equation file holds them, one after another.
std::string fileBytes(const std::vector<Equation>& equations);

// The whole records of an equation file's bytes; an incomplete last record
// is left out, as the program leaves it.
std::vector<EquationRecord> recordsOf(const std::string& fileBytes);

}  // namespace source
