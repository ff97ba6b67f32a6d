// Adaptive choice of the next equation: triplets of one type, harder after a
// good equation, the same type again after a struggle.
#pragma once

#include <array>
#include <cstdint>

struct TripletEntry {
    uint8_t code = 0;    // area code; 255 past the end of the file
    uint8_t record = 0;  // record number; 255 past the end
    uint8_t used = 0;    // handed out (or past the end)
    uint8_t errors = 0;  // wrong steps of the equation being solved (currentPick only)
};

using Triplet = std::array<TripletEntry, 3>;  // positions 1..3 are [0..2]

struct SelectionState {
    Triplet currentTriplet{};
    std::array<Triplet, 23> tripletTable{};  // by area index 1..22; [0] unused
    TripletEntry currentPick{};
    bool newTripletNeeded = true;
    std::array<bool, 31> entranceSolved{};   // entries 1..30; [0] unused
};
