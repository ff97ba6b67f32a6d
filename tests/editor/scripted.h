// An editor driven by short key scripts, and lines shown with the marker
// stand-ins of testline.h and the caret as "|".
//
// Script keys: U D L R arrows, H Home, E End, B Backspace, X Delete, N the
// note key (PageUp), # the fraction button, ^2 ^3 ^4 the power buttons; any
// other character is typed (pressed, then released), "/" starting a fraction.
#pragma once

#include <string>

#include "editor/editing.h"
#include "editor/lineeditor.h"
#include "tests/editor/testline.h"

struct ScriptedEditor {
    EditorState ed;
    FakeMetrics metrics;
    EditorContext ctx{metrics, PictureOffset{}, 600};
    EditResult last;
    int refusals = 0;

    // `line` in stand-ins with "|" at the caret (at the end when missing).
    explicit ScriptedEditor(const std::string& line = "", int fixedPrefix = 0) {
        ed.pageLayout = testPage();
        set(line, fixedPrefix);
    }

    void set(const std::string& line, int fixedPrefix = 0) {
        std::string text = line;
        const size_t bar = text.find('|');
        if (bar != std::string::npos) text.erase(bar, 1);
        ed.writtenLine = wl(text);
        ed.fixedPrefix = fixedPrefix;
        ed.caretPos = static_cast<uint8_t>((bar == std::string::npos ? text.size() : bar) + 1);
        settleCaret(ed);
        EditResult r;
        editorsteps::redraw(ed, ctx, r);
        guardAtCaret(ed);
    }

    void apply(const EditResult& r) {
        last = r;
        if (r.refused) ++refusals;
    }

    void type(unsigned char ch) {
        apply(keyPressed(ed, ctx, ch));
        const bool refused = last.refused;
        apply(keyReleased(ed, ctx, KeyCode::Other, false));
        last.refused = refused;
    }

    void release(KeyCode key) { apply(keyReleased(ed, ctx, key, false)); }

    ScriptedEditor& run(const std::string& script) {
        for (size_t i = 0; i < script.size(); ++i) {
            switch (const char k = script[i]) {
            case 'U': release(KeyCode::Up); break;
            case 'D': release(KeyCode::Down); break;
            case 'L': release(KeyCode::Left); break;
            case 'R': release(KeyCode::Right); break;
            case 'H': release(KeyCode::Home); break;
            case 'E': release(KeyCode::End); break;
            case 'X': release(KeyCode::Delete); break;
            case 'N': release(KeyCode::PageUp); break;
            case 'B': type(KEY_BACKSPACE); break;
            case '#': apply(fractionButtonReleased(ed, ctx)); break;
            case '^': apply(powerButtonReleased(ed, ctx, static_cast<unsigned char>(script[++i]))); break;
            default: type(static_cast<unsigned char>(k)); break;
            }
        }
        return *this;
    }

    // The line in stand-ins with the caret.
    std::string shown() const {
        static const std::string standIns = "[]<>{}^`";  // codes 130..135, 136, 138
        std::string s;
        for (size_t i = 0; i <= ed.writtenLine.size(); ++i) {
            if (i + 1 == ed.caretPos) s += '|';
            if (i == ed.writtenLine.size()) break;
            const auto b = static_cast<unsigned char>(ed.writtenLine[i]);
            if (b >= FRACTION_START && b <= DENOMINATOR_END)
                s += standIns[b - FRACTION_START];
            else if (b == POWER_START || b == POWER_END)
                s += standIns[b == POWER_START ? 6 : 7];
            else
                s += static_cast<char>(b);
        }
        return s;
    }

    int level() const { return ed.pageLayout.editLevel; }
};
