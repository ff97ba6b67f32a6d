#include "teacher/exerciseselection.h"

#include <algorithm>

#include "engine/cp1250.h"

SelectionAdd ExerciseSelection::add(int32_t position) {
    if (position < 0) return SelectionAdd::NoEquation;
    if (std::find(slots_.begin(), slots_.end(), position) != slots_.end()) return SelectionAdd::AlreadyChosen;
    const int used = size();
    if (used == EXERCISE_MAX_EQUATIONS) return SelectionAdd::Full;
    slots_[used] = position;
    return SelectionAdd::Added;
}

bool ExerciseSelection::remove(int item) {
    if (item < 0 || item >= size()) return false;
    std::copy(slots_.begin() + item + 1, slots_.end(), slots_.begin() + item);
    slots_.back() = -1;
    return true;
}

int ExerciseSelection::size() const {
    return static_cast<int>(std::find(slots_.begin(), slots_.end(), -1) - slots_.begin());
}

std::vector<int32_t> ExerciseSelection::positions() const {
    return std::vector<int32_t>(slots_.begin(), slots_.begin() + size());
}

std::string selectionMessage(SelectionAdd result) {
    switch (result) {
    case SelectionAdd::AlreadyChosen: return cp1250::w1250("Příklad je již ve výběru!");
    case SelectionAdd::Full: return cp1250::w1250("Max. množství je 30 příkladů!");
    case SelectionAdd::Added:
    case SelectionAdd::NoEquation: break;
    }
    return std::string();
}
