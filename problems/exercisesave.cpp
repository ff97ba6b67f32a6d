#include "problems/exercisesave.h"

#include <map>

#include "engine/cp1250.h"
#include "engine/engine.h"

namespace {

void tell(const ListWarning& warn, const std::string& text) {
    if (warn) warn(text);
}

std::string notCreated() { return cp1250::w1250("Soubor se nepodařilo vytvořit."); }

long countOf(int32_t code, const std::vector<BankArea>& areas) {
    for (const BankArea& area : areas)
        if (area.code == code) return area.count;
    return 0;
}

// The chosen equations, each read from its area file (every file once).
bool collectEquations(const std::vector<int32_t>& positions, const std::vector<BankArea>& areas,
                      const std::string& folder, const ListWarning& warn, std::string& bytes) {
    std::map<int32_t, std::vector<EquationRecord>> files;
    unsigned char buf[EquationRecord::RECORD_SIZE];
    for (int32_t position : positions) {
        int32_t code = 0;
        int number = 0;
        if (!locateBankEquation(position, areas, code, number)) return false;
        const std::string name = equationFileName(code, std::string());
        auto it = files.find(code);
        if (it == files.end()) {
            it = files.emplace(code, std::vector<EquationRecord>()).first;
            std::vector<EquationRecord>& records = it->second;
            const auto store = [&records](const EquationRecord& r) { records.push_back(r); };
            if (!readEquationRecords(pathInFolder(folder, name), store, countOf(code, areas)).opened) {
                tell(warn, cp1250::w1250("Nepodařilo se otevřít soubor ") + name);
                return false;
            }
        }
        if (number >= static_cast<int>(it->second.size())) {
            tell(warn, cp1250::w1250("Chyba při čtení ze souboru ") + name);
            return false;
        }
        it->second[number].toBytes(buf);
        bytes.append(reinterpret_cast<const char*>(buf), sizeof buf);
    }
    return true;
}

}  // namespace

bool isExerciseNameCharacter(unsigned char c) {
    static const std::string czech = cp1250::w1250("ÁČĎÉĚÍŇŘŠŤÚÝŽáčďéěíňřšťůýž");
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           czech.find(static_cast<char>(c)) != std::string::npos;
}

ExerciseName checkExerciseName(const std::string& name) {
    if (name.empty()) return ExerciseName::Empty;
    if (name.size() > static_cast<size_t>(EXERCISE_NAME_MAX)) return ExerciseName::TooLong;
    for (char c : name)
        if (!isExerciseNameCharacter(static_cast<unsigned char>(c))) return ExerciseName::NotLettersOrDigits;
    if (name[0] >= '0' && name[0] <= '9') return ExerciseName::StartsWithDigit;
    return ExerciseName::Valid;
}

std::string exerciseNameMessage(ExerciseName problem) {
    switch (problem) {
    case ExerciseName::Empty: return cp1250::w1250("Musíte zadat jméno souboru.");
    case ExerciseName::TooLong: return cp1250::w1250("Jméno souboru může mít nejvýše 8 znaků.");
    case ExerciseName::NotLettersOrDigits: return cp1250::w1250("Jméno zadejte raději jen pomocí písmen a číslic.");
    case ExerciseName::StartsWithDigit: return cp1250::w1250("Jméno raději nezačínejte číslicí.");
    case ExerciseName::Valid: break;
    }
    return std::string();
}

ExerciseSave saveExercise(const std::optional<std::string>& typedName, const std::vector<int32_t>& positions,
                          const std::vector<BankArea>& areas, const std::string& folder, const ListWarning& warn,
                          savefile::Output& out) {
    ExerciseSave result;
    if (!typedName) {
        tell(warn, exerciseNameMessage(ExerciseName::NotLettersOrDigits));
        return result;
    }
    // The field counts the blanks typed; the name on the disk has none.
    const std::string name = removeSpaces(*typedName);
    result.name = name;
    ExerciseName problem = checkExerciseName(name);
    if (problem != ExerciseName::Empty && typedName->size() > static_cast<size_t>(EXERCISE_NAME_MAX))
        problem = ExerciseName::TooLong;
    if (problem != ExerciseName::Valid) {
        tell(warn, exerciseNameMessage(problem));
        return result;
    }
    std::string bytes;
    if (!collectEquations(positions, areas, folder, warn, bytes) ||
        !savefile::replaceFile(pathInFolder(folder, name + ".cvc"), bytes, out)) {
        tell(warn, notCreated());
        return result;
    }
    result.saved = true;
    return result;
}
