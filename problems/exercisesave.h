// Saving the teacher's exercise: the name rule and the file <name>.cvc,
// written whole or not at all.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/savefile.h"
#include "problems/equationlist.h"

// The name field holds at most 8 characters, blanks included.
constexpr int EXERCISE_NAME_MAX = 8;

enum class ExerciseName { Valid, Empty, TooLong, NotLettersOrDigits, StartsWithDigit };

// Digits, A..Z, a..z and the Czech letters Á Č Ď É Ě Í Ň Ř Š Ť Ú Ý Ž and
// á č ď é ě í ň ř š ť ů ý ž (Windows-1250 bytes); nothing else, so Ů and ú
// are refused just as blanks, dots and punctuation are.
bool isExerciseNameCharacter(unsigned char c);

// The rule for a name whose blanks have been removed.
ExerciseName checkExerciseName(const std::string& name);

// The warning for a refused name (Windows-1250), empty for Valid.
std::string exerciseNameMessage(ExerciseName problem);

struct ExerciseSave {
    bool saved = false;
    // The name without its blanks, to put back into the name field; empty
    // when the typed text held a character Windows-1250 lacks.
    std::optional<std::string> name;
};

// The builder's "Uložit".  `typedName` is the name field in Windows-1250
// (empty when it holds a character Windows-1250 lacks); `positions` are the
// chosen equations' positions in the bank list, in the order of choosing.
// The equations are read from the area files in `folder` into records of
// their own and written as <name>.cvc there in one piece, replacing a file of
// that name.  Any failure shows its message and "Soubor se nepodařilo
// vytvořit." and leaves an old file of that name as it was.  errorCode is
// not touched.
ExerciseSave saveExercise(const std::optional<std::string>& typedName, const std::vector<int32_t>& positions,
                          const std::vector<BankArea>& areas, const std::string& folder, const ListWarning& warn,
                          savefile::Output& out = savefile::diskOutput());
