// The exercise builder's selection: up to 30 equations of the bank, by their
// position in the builder's list, in the order they were chosen.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

constexpr int EXERCISE_MAX_EQUATIONS = 30;

enum class SelectionAdd { Added, AlreadyChosen, Full, NoEquation /* a negative position: ignored */ };

class ExerciseSelection {
public:
    // 30 slots: a position of the bank list, or -1 for an empty slot.  The
    // used slots always come first.
    using Slots = std::array<int32_t, EXERCISE_MAX_EQUATIONS>;

    ExerciseSelection() { clear(); }
    void clear() { slots_.fill(-1); }

    // A click on the bank list.  The same position twice is refused; two
    // equations with the same text at different positions are not the same.
    SelectionAdd add(int32_t position);
    // A click on the selection's list: removes its k-th item (from 0); the
    // items after it move up.  False when there is no such item.
    bool remove(int item);

    int size() const;
    std::vector<int32_t> positions() const;  // in the order of choosing
    const Slots& slots() const { return slots_; }

private:
    Slots slots_;
};

// The warning for a refused addition (Windows-1250), empty for Added.
std::string selectionMessage(SelectionAdd result);
