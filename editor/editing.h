// Structural editing of the written line: caret moves and deletions that keep
// a fraction's six markers and a power's bytes together.  These change only
// the bytes, caretPos and editLevel; lineeditor.h lays out, draws and guards.
// Each first settles the caret (settleCaret), so a caret that others left out
// of range can never index past the line.
#pragma once

#include <string>

#include "editor/writtenline.h"

// The smallest index >= from of a fraction's NUMERATOR_START, or 0.
int findNumeratorStart(int from, const std::string& text);
// The largest index <= from of a fraction's DENOMINATOR_END, or 0.
int findDenominatorEnd(int from, const std::string& text);

// Keeps the caret in [fixedPrefix + 1, length + 1], off the places between
// two adjacent fraction markers, and sets editLevel for it.  Every operation
// ends with it.
void settleCaret(EditorState& ed);

// The cursor keys.  Each returns whether the caret moved.
bool moveUp(EditorState& ed);     // denominator -> start of the numerator
bool moveDown(EditorState& ed);   // numerator -> end of the denominator
bool moveRight(EditorState& ed);  // visits a denominator, skips the numerator
bool moveLeft(EditorState& ed);   // never before fixedPrefix + 1
void moveHome(EditorState& ed);
void moveEnd(EditorState& ed);

// Backspace and Delete.  A fraction goes only when both its parts are empty,
// otherwise the caret walks through its markers; a power goes whole when the
// last byte of its exponent is deleted.  Return whether bytes or caret
// changed.
bool deleteBefore(EditorState& ed);
bool deleteAfter(EditorState& ed);

// Inserting at the caret, caret after what was inserted.  They refuse (return
// false, change nothing) what would break the line: more than 100 bytes, a
// fraction anywhere but on the main line, a power in an exponent or with an
// exponent other than 2, 3 or 4.
bool insertByte(EditorState& ed, unsigned char ch);
bool insertFractionMarkers(EditorState& ed);  // caret in the empty numerator
bool insertPowerBytes(EditorState& ed, unsigned char digit);
