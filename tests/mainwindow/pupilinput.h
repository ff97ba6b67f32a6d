// The pupil's hands on the real window: keys sent as the window system
// sends them, and taps on the on-screen keypad by its picture's key areas.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <string>

#include "mainwindow/ui/keypadview.h"
#include "mainwindow/ui/pictureview.h"
#include "mainwindow/ui/mainwindow.h"

// Where the keys of the keypad's picture are (the middle of each key area).
enum class Pad { Up, Down, Fraction, Enter, Backspace };
inline QPoint padPoint(Pad key) {
    switch (key) {
    case Pad::Down: return {18, 58};
    case Pad::Up: return {56, 58};
    case Pad::Fraction: return {240, 58};
    case Pad::Enter: return {360, 58};
    case Pad::Backspace: return {415, 58};
    }
    return {};
}
inline QPoint padPoint(char ch) {
    const std::string upper = "x0123456789.";
    const int upperX[] = {18, 56, 94, 130, 166, 203, 240, 277, 314, 350, 395, 420};
    const std::string lower = "=+-*()";
    const int lowerX[] = {94, 130, 166, 203, 277, 314};
    if (upper.find(ch) != std::string::npos) return {upperX[upper.find(ch)], 20};
    if (lower.find(ch) != std::string::npos) return {lowerX[lower.find(ch)], 58};
    return {334, 58};  // the gap left of Enter: a space
}

template <typename K>
void tap(MainWindow& form, K k) {
    QTest::mouseClick(form.keypad, Qt::LeftButton, Qt::NoModifier, padPoint(k));
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
