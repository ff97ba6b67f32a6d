// The expression engine: linear text of a written line, the evaluator, the
// check of one step against the root, and the final-form test.
//
// Texts are std::string holding single Windows-1250 bytes (at most 255 of
// them where the program builds them); positions in comments count from 1.
// Operations report failures only through errorCode: an operation that finds
// it above 0 returns at once, and the first code set stays.
#pragma once

#include <cstdint>
#include <string>

#include "engine/markers.h"
#include "engine/status.h"

// Program-wide status word of the engine: 0 when all is well, otherwise the
// first StatusCode an operation raised.  Callers set it to 0 before a check
// and read it afterwards; the file readers and the settings file report their
// results to their callers instead.
extern int32_t errorCode;

// Bubble texts for the codes 1..15 (row code-1), Windows-1250, each line at
// most 20 characters; an empty text is an empty bubble line.
struct MessageLines {
    std::string line1, line2, line3;
};
const MessageLines& messageTable(int code);

// Linear text
std::string normalise(const std::string& writtenLine);
char findUnknown(const std::string& text);
std::string numberText(double value);
std::string removeSpaces(const std::string& text);

// Evaluator
double evaluate(const std::string& expression);

// Step check
std::string substitute(const std::string& numberText, const std::string& side, char unknown);
int32_t checkEquation(const std::string& text, double root);

// Stored equations: whether a file's equation may be given to the pupil.  It
// must be a line the editor could hold (1 to 100 bytes, beginning as a line
// may, no control character or byte the code page lacks, every marker byte
// part of a well-formed fraction or power), with something on both sides of
// its "=", and hold at its root (finite) by the check every step gets, which
// also needs the unknown.  Anything else would leave the pupil with nothing
// to solve.  errorCode is left as it was.
bool isPresentableEquation(const std::string& writtenLine, double root);

// Final form
bool isFinalForm(const std::string& text);
int fractionTest(const std::string& rightSide);
bool isReducible(int64_t a, int64_t b);
