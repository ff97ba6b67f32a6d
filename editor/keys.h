// Key codes of the editor, whatever the window system calls its keys.
#pragma once

#include <cstdint>

// Keys acted on when they are released.  The numbers are those the editor
// has always used; a window system's own codes are mapped to them one by
// one (editor/ui/keymap.h), never passed through.
enum class KeyCode : uint8_t {
    Other = 0,
    Enter = 13,
    PageUp = 33,
    PageDown = 34,
    End = 35,
    Home = 36,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    Delete = 46,
    Help = 47,
};

// Bytes editKey takes besides characters.
constexpr unsigned char KEY_BACKSPACE = 8;
constexpr unsigned char KEY_ENTER = 13;
constexpr unsigned char KEY_DELETE = 139;
