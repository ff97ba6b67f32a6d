// Helpers for writing engine test inputs readably.
#pragma once

#include <string>

#include "engine/engine.h"

namespace enginetest {

// Normalised text with "^" standing for the power operator byte.
inline std::string lin(std::string s) {
    for (char& c : s)
        if (c == '^') c = static_cast<char>(POWER_OPERATOR);
    return s;
}

inline std::string frac(const std::string& numerator, const std::string& denominator) {
    return writtenFraction(numerator, denominator);
}

// An exponent as the editor stores it after its base.
inline std::string pw(const std::string& exponent) {
    return std::string(1, static_cast<char>(POWER_START)) + exponent +
           std::string(1, static_cast<char>(POWER_END));
}

// errorCode after evaluating from a clean state.
inline int evalCode(const std::string& expression, double* value = nullptr) {
    errorCode = 0;
    const double v = evaluate(lin(expression));
    if (value) *value = v;
    return errorCode;
}

inline int checkCode(const std::string& normalisedText, double root) {
    errorCode = 0;
    return checkEquation(lin(normalisedText), root);
}

}  // namespace enginetest
