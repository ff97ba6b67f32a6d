// The program's status codes.  errorCode holds the engine's codes (3..12,
// 15), whose bubble texts are in messageTable; the other codes are what the
// exercise files, the selection and the settings file report to their
// callers.  The numbers are fixed: rovnice prints them and the tests and the
// pupil's bubble texts are keyed by them.
#pragma once

#include <cstdint>

enum StatusCode : int32_t {
    STATUS_OK = 0,
    BAD_NUMBER = 3,             // a number's characters are no decimal number
    UNMATCHED_PARENTHESIS = 4,  // a "(" without its ")"
    POWER_FAILED = 5,           // negative base with a fractional exponent, or an overflow
    DIVISION_BY_ZERO = 6,
    SYNTAX_ERROR = 7,           // a term followed by something other than + or -
    TEXT_TOO_LONG = 8,          // the line grows past 255 bytes ("Vnitřní chyba.")
    TWO_UNKNOWNS = 9,
    NO_UNKNOWN = 10,
    NO_EQUALS_SIGN = 11,
    SIDES_DIFFER = 12,          // the two sides differ at the root: a wrong step
    EXERCISE_WRITE_FAILED = 13,
    ALL_SOLVED = 14,            // every equation of the exercise has been handed out
    MISSING_OPERAND = 15,       // an operand is missing, as in an empty numerator
    BACK_TO_START = 99,         // nothing more to hand out: back to the start screen
    SETTINGS_WRITE_FAILED = 1000,
};
