#include "editor/ui/keymap.h"

#include "engine/cp1250.h"

KeyCode keyCodeOf(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyCode::Enter;
    case Qt::Key_PageUp: return KeyCode::PageUp;
    case Qt::Key_PageDown: return KeyCode::PageDown;
    case Qt::Key_End: return KeyCode::End;
    case Qt::Key_Home: return KeyCode::Home;
    case Qt::Key_Left: return KeyCode::Left;
    case Qt::Key_Up: return KeyCode::Up;
    case Qt::Key_Right: return KeyCode::Right;
    case Qt::Key_Down: return KeyCode::Down;
    case Qt::Key_Delete: return KeyCode::Delete;
    case Qt::Key_Help: return KeyCode::Help;
    default: return KeyCode::Other;
    }
}

TypedKey typedKeyOf(int qtKey, const QString& text) {
    switch (qtKey) {
    case Qt::Key_Backspace: return {TypedKey::Character, KEY_BACKSPACE};
    case Qt::Key_Return:
    case Qt::Key_Enter: return {TypedKey::Character, KEY_ENTER};
    case Qt::Key_Delete: return {};  // a key, never the character "\x7f"
    default: break;
    }
    const QList<uint> codePoints = text.toUcs4();
    if (codePoints.size() != 1) return {};
    const uint cp = codePoints.front();
    if (cp < 0x20 || cp == 0x7F) return {};  // control characters type nothing
    const int byte = cp1250::fromUnicode(static_cast<char32_t>(cp));
    if (byte < 0) return {TypedKey::Refused, 0};
    return {TypedKey::Character, static_cast<unsigned char>(byte)};
}
