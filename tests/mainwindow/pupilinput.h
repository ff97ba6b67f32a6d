// The pupil's hands on the real window: keys sent as the window system
// sends them, and taps on the on-screen keypad by its picture's key areas.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "editor/keypad.h"
#include "mainwindow/ui/keypadview.h"
#include "mainwindow/ui/pictureview.h"
#include "mainwindow/ui/mainwindow.h"

// The middle of a key's area, as the editor's key map lays them out (the
// editor's tests hold the map to the picture).  A space: the gap left of Enter.
enum class Pad { Up, Down, Fraction, Enter, Backspace };
inline QPoint padPoint(KeypadKey key) {
    if (key == KeypadKey{KeypadKey::Character, ' '}) return {334, 58};
    for (int y : {20, 58}) {
        int first = -1, last = -1;
        for (int x = 0; x < KeypadPicture::width; ++x)
            if (keypadKeyAt(x, y) == key) (first < 0 ? first : last) = x;
        if (first >= 0) return {(first + std::max(first, last)) / 2, y};
    }
    ADD_FAILURE() << "no such key on the keypad";
    return {};
}
inline QPoint padPoint(Pad key) {
    const KeypadKey::Kind kinds[] = {KeypadKey::Up, KeypadKey::Down, KeypadKey::Fraction, KeypadKey::Enter,
                                     KeypadKey::Backspace};
    return padPoint(KeypadKey{kinds[static_cast<int>(key)]});
}
inline QPoint padPoint(char ch) { return padPoint(KeypadKey{KeypadKey::Character, static_cast<unsigned char>(ch)}); }

template <typename K>
void tap(MainWindow& form, K k) {
    QTest::mouseClick(form.keypad, Qt::LeftButton, Qt::NoModifier, padPoint(k));
}
inline void taps(MainWindow& form, const std::string& characters) {
    for (char c : characters) tap(form, c);
}

inline void key(MainWindow& form, QEvent::Type type, int qtKey, const QString& text = QString(),
                Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false) {
    QKeyEvent event(type, qtKey, modifiers, text, autoRepeat);
    QApplication::sendEvent(&form, &event);
}
inline void keyClick(MainWindow& form, int qtKey, const QString& text = QString(),
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    key(form, QEvent::KeyPress, qtKey, text, modifiers);
    key(form, QEvent::KeyRelease, qtKey, text, modifiers);
}

// A click on the picture just right of the written line's end: the keypad's
// way out of a fraction.
inline void clickAfterTheLine(MainWindow& form, const EditorState& ed) {
    const LayoutCell& last = ed.lineCells[static_cast<size_t>(usedCells(ed.lineCells))];
    QTest::mouseClick(form.pictureView, Qt::LeftButton, Qt::NoModifier,
                      QPoint(last.x + last.width, bandTop(ed.pageLayout, ed.pageLayout.currentLine) + 40));
}
