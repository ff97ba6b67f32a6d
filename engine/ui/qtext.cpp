#include "engine/ui/qtext.h"

#include "engine/cp1250.h"

QString toQt(const std::string& cp1250Text) {
    QString out;
    out.reserve(static_cast<int>(cp1250Text.size()));
    for (unsigned char b : cp1250Text) {
        const int cp = cp1250::toUnicode(b);
        out += QChar(cp < 0 ? 0xFFFD : cp);
    }
    return out;
}

std::string fromQt(const QString& text) {
    std::string out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = cp1250::fromUnicode(c.unicode());
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

std::optional<std::string> fromQtExact(const QString& text) {
    std::string out;
    out.reserve(text.size());
    for (QChar c : text) {
        // A surrogate (a character beyond the first plane) has no byte either.
        const int b = cp1250::fromUnicode(c.unicode());
        if (b < 0) return std::nullopt;
        out += static_cast<char>(b);
    }
    return out;
}
