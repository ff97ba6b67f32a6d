// The check of one written step: put the root in for the unknown on both
// sides and compare the two values with a relative tolerance.
#include <cmath>

#include "engine/engine.h"
#include "engine/enginedetail.h"

using namespace engine_detail;

namespace {
constexpr std::size_t MAX_TEXT = 255;
}

std::string substitute(const std::string& numberText, const std::string& side, char unknown) {
    if (failed()) return std::string();
    std::string out;
    out.reserve(MAX_TEXT);
    // The scan always runs to the end; once the text is too long nothing more
    // is appended, so the result never exceeds 255 bytes.
    for (char c : side) {
        if (c == ' ') continue;
        if (c == unknown) {
            if (out.size() + numberText.size() >= MAX_TEXT)
                raise(TEXT_TOO_LONG);
            else
                out += numberText;
        } else if (out.size() >= MAX_TEXT) {
            raise(TEXT_TOO_LONG);
        } else {
            out += c;
        }
    }
    return out;
}

int32_t checkEquation(const std::string& text, double root) {
    if (failed()) return errorCode;
    const std::string value = numberText(root);
    const char unknown = findUnknown(text);
    if (failed()) return errorCode;
    const std::size_t eq = text.find('=');
    if (eq == std::string::npos) {
        raise(NO_EQUALS_SIGN);
        return errorCode;
    }
    // A second "=" stays in the right side and fails there.  "+1-1" lets an
    // empty side count as 0.
    std::string left = substitute(value, text.substr(0, eq), unknown);
    std::string right = substitute(value, text.substr(eq + 1), unknown);
    left += "+1-1";
    right += "+1-1";
    const double l = evaluate(left);
    if (failed()) return errorCode;
    const double r = evaluate(right);
    if (failed()) return errorCode;

    const double tolerance =
        (std::fabs(l) < 0.01 || std::fabs(r) < 0.01) ? 0.02 : std::fabs(l + r) / 1000;
    // An overflow to infinity (or NaN) must not pass: "inf - inf > tol" is false.
    if (!std::isfinite(l) || !std::isfinite(r) || !(std::fabs(l - r) <= tolerance)) raise(SIDES_DIFFER);
    return errorCode;
}
