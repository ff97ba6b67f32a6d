// The fractions and powers of a written line, found once from its bytes.
// Only well-formed fractions and powers are structure (structuralMarkers in
// layout.h decides): a "Š" or "„" typed in a note is a character like any
// other, so the editing below never jumps or deletes on it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editor/writtenline.h"

// Entering an exponent: main line 1 -> 6, denominator 2 -> 4, numerator
// 3 -> 5; leaving maps back.  Other levels stay.
int enterExponent(int level);
int leaveExponent(int level);

// Positions are 1-based byte indices, as caretPos counts.
struct FractionPlace {
    int start = 0;            // FRACTION_START; DENOMINATOR_START follows
    int denominatorEnd = 0;   // DENOMINATOR_END; NUMERATOR_START follows
    int numeratorEnd = 0;     // NUMERATOR_END; FRACTION_END follows
    int end() const { return numeratorEnd + 1; }
    bool empty() const { return denominatorEnd == start + 2 && numeratorEnd == denominatorEnd + 2; }
};

struct PowerPlace {
    int start = 0;  // POWER_START
    int end = 0;    // POWER_END; the exponent lies between
    int contentLength() const { return end - start - 1; }
};

class LineStructure {
public:
    explicit LineStructure(const std::string& text);

    int length() const { return static_cast<int>(text_.size()); }
    unsigned char at(int i) const {
        return i >= 1 && i <= length() ? static_cast<unsigned char>(text_[static_cast<size_t>(i - 1)]) : 0;
    }
    // Byte i is a marker of a well-formed fraction or power and has `code`.
    bool isMarkerAt(int i, unsigned char code) const { return isMarker(i) && at(i) == code; }
    bool isMarker(int i) const { return i >= 1 && i <= length() && marker_[static_cast<size_t>(i)]; }

    // The edit level of a caret at caretPos: that after the byte before it.
    int levelAt(int caretPos) const;

    // The fraction whose markers or parts hold byte i, or nullptr.
    const FractionPlace* fractionAt(int i) const;
    // The power whose exponent holds byte i (its markers excluded), or nullptr.
    const PowerPlace* powerHolding(int i) const;

    // The caret may rest at caretPos: not between two adjacent fraction
    // markers.
    bool isRestingPlace(int caretPos) const;

    const std::vector<FractionPlace>& fractions() const { return fractions_; }
    const std::vector<PowerPlace>& powers() const { return powers_; }

private:
    std::string text_;
    std::vector<bool> marker_;         // [1..length]
    std::vector<uint8_t> levelAfter_;  // [0..length]; [0] the line's start
    std::vector<FractionPlace> fractions_;
    std::vector<PowerPlace> powers_;
};
