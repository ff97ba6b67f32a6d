#include <gtest/gtest.h>

#include "editor/ui/keymap.h"

TEST(KeyMap, CharacterKeysWithAnEditingKeysNumberTypeTheirCharacter) {
    // Qt numbers these keys as the editing keys are numbered: "." is 46 like
    // Delete, "(" 40 like Down, ... "/" 47 like Help.
    const struct {
        int qtKey;
        const char* text;
        int sameNumberAs;
    } aliases[] = {
        {Qt::Key_Period, ".", 46},  {Qt::Key_ParenLeft, "(", 40},  {Qt::Key_Apostrophe, "'", 39},
        {Qt::Key_Ampersand, "&", 38}, {Qt::Key_Percent, "%", 37},  {Qt::Key_Dollar, "$", 36},
        {Qt::Key_NumberSign, "#", 35}, {Qt::Key_QuoteDbl, "\"", 34}, {Qt::Key_Exclam, "!", 33},
        {Qt::Key_Slash, "/", 47},
    };
    for (const auto& a : aliases) {
        ASSERT_EQ(a.qtKey, a.sameNumberAs);
        EXPECT_EQ(keyCodeOf(a.qtKey), KeyCode::Other) << a.text;
        const TypedKey t = typedKeyOf(a.qtKey, QString::fromLatin1(a.text));
        EXPECT_EQ(t.kind, TypedKey::Character) << a.text;
        EXPECT_EQ(t.byte, static_cast<unsigned char>(a.text[0])) << a.text;
    }
}

TEST(KeyMap, WhatReachesTheCharacterPath) {
    const struct {
        int qtKey;
        QString text;
        TypedKey::Kind kind;
        int byte;
    } cases[] = {
        {Qt::Key_Backspace, QStringLiteral("\b"), TypedKey::Character, 8},
        {Qt::Key_Return, QStringLiteral("\r"), TypedKey::Character, 13},
        {Qt::Key_Enter, QStringLiteral("\r"), TypedKey::Character, 13},   // the keyboard's keypad
        {Qt::Key_Delete, QStringLiteral("\x7f"), TypedKey::None, 0},      // a key, never a character
        {Qt::Key_Comma, QStringLiteral(","), TypedKey::Character, ','},   // the keypad's decimal key
        {Qt::Key_7, QStringLiteral("7"), TypedKey::Character, '7'},
        {Qt::Key_Tab, QStringLiteral("\t"), TypedKey::None, 0},
        {Qt::Key_Left, QString(), TypedKey::None, 0},
        {Qt::Key_unknown, QString(QChar(0x0159)), TypedKey::Character, 0xF8},   // ř
        {Qt::Key_unknown, QString(QChar(0x2039)), TypedKey::Character, 139},    // ‹, not Delete
        {Qt::Key_unknown, QString(QChar(0x6F22)), TypedKey::Refused, 0},        // no Windows-1250 byte
        {Qt::Key_unknown, QStringLiteral("ab"), TypedKey::None, 0},
    };
    for (const auto& c : cases) {
        const TypedKey t = typedKeyOf(c.qtKey, c.text);
        EXPECT_EQ(t.kind, c.kind) << c.text.toStdString();
        EXPECT_EQ(t.byte, c.byte) << c.text.toStdString();
    }
}
