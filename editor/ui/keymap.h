// Qt's keys to the editor's.  Qt numbers many character keys like the editor
// numbers its editing keys ("." is 46 like Delete, "(" 40 like Down, "/" 47
// like Help), so every key is mapped by name and nothing passes through.
#pragma once

#include <cstdint>

#include <QList>
#include <QString>

#include "editor/keys.h"

// The editing key a released Qt key is, or KeyCode::Other.
KeyCode keyCodeOf(int qtKey);

// What a pressed key types on the character path.
struct TypedKey {
    enum Kind : uint8_t {
        None,       // nothing to type: an editing key, Delete, Tab, a bare modifier
        Character,  // `byte`, Windows-1250 (Backspace 8, Enter 13)
        Refused,    // a character Windows-1250 lacks: "cink"
    };
    Kind kind = None;
    unsigned char byte = 0;
};
TypedKey typedKeyOf(int qtKey, const QString& text);
