#include "editor/structure.h"

#include <algorithm>

#include "editor/layout.h"

int enterExponent(int level) {
    switch (level) {
    case MAIN_LEVEL: return MAIN_EXPONENT;
    case DENOMINATOR_LEVEL: return DENOMINATOR_EXPONENT;
    case NUMERATOR_LEVEL: return NUMERATOR_EXPONENT;
    default: return level;
    }
}

int leaveExponent(int level) {
    switch (level) {
    case MAIN_EXPONENT: return MAIN_LEVEL;
    case DENOMINATOR_EXPONENT: return DENOMINATOR_LEVEL;
    case NUMERATOR_EXPONENT: return NUMERATOR_LEVEL;
    default: return level;
    }
}

LineStructure::LineStructure(const std::string& text)
    : text_(text), marker_(structuralMarkers(text)), levelAfter_(text.size() + 1, MAIN_LEVEL) {
    const int n = length();
    int level = MAIN_LEVEL;
    FractionPlace open;
    int powerStart = 0;
    for (int i = 1; i <= n; ++i) {
        if (marker_[static_cast<size_t>(i)]) {
            switch (at(i)) {
            case FRACTION_START:
                open = FractionPlace{i, 0, 0};
                level = DENOMINATOR_LEVEL;
                break;
            case DENOMINATOR_START: level = DENOMINATOR_LEVEL; break;
            case DENOMINATOR_END:
                open.denominatorEnd = i;
                level = DENOMINATOR_LEVEL;
                break;
            case NUMERATOR_START:
            case NUMERATOR_END:
                if (at(i) == NUMERATOR_END) open.numeratorEnd = i;
                level = NUMERATOR_LEVEL;
                break;
            case FRACTION_END:
                fractions_.push_back(open);
                level = MAIN_LEVEL;
                break;
            case POWER_START:
                powerStart = i;
                level = enterExponent(level);
                break;
            case POWER_END:
                powers_.push_back(PowerPlace{powerStart, i});
                level = leaveExponent(level);
                break;
            default: break;
            }
        }
        levelAfter_[static_cast<size_t>(i)] = static_cast<uint8_t>(level);
    }
}

int LineStructure::levelAt(int caretPos) const {
    return levelAfter_[static_cast<size_t>(std::clamp(caretPos - 1, 0, length()))];
}

const FractionPlace* LineStructure::fractionAt(int i) const {
    for (const FractionPlace& f : fractions_)
        if (i >= f.start && i <= f.end()) return &f;
    return nullptr;
}

const PowerPlace* LineStructure::powerHolding(int i) const {
    for (const PowerPlace& p : powers_)
        if (i > p.start && i < p.end) return &p;
    return nullptr;
}

bool LineStructure::isRestingPlace(int caretPos) const {
    const int before = caretPos - 1;
    return !(isMarkerAt(before, FRACTION_START) || isMarkerAt(before, DENOMINATOR_END) ||
             isMarkerAt(before, NUMERATOR_END));
}
