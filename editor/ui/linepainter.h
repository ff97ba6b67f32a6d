// Paints laid-out lines, page bands and the caret with Qt.  The layout
// itself is plain C++ (editor/layout.h); this side measures with the same
// font it paints with, so the two agree.
#pragma once

#include <map>
#include <string>

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QRect>

#include "editor/caret.h"
#include "editor/layout.h"

class QPainter;

// "Times New Roman" (on Debian fontconfig gives Liberation Serif).  Sizes
// are points at 96 dpi, fixed in pixels, so the layout's pixel offsets fit
// whatever the screen's dpi.
class QtTextMetrics : public TextMetrics {
public:
    int width(unsigned char c, int fontSize, bool bold) override;
    int height(unsigned char c, int fontSize, bool bold) override;
    int ascent(int fontSize, bool bold);
    static QFont font(int fontSize, bool bold);

private:
    const QFontMetrics& fm(int fontSize, bool bold);
    std::map<int, QFontMetrics> cache_;
};

// The character a Windows-1250 byte stands for.
QString glyphOf(unsigned char c);

// Paints the operations on the picture, inside `clip` when it is given;
// returns the rectangle they touched.
QRect paintOps(QImage& picture, const DrawOps& ops, QtTextMetrics& metrics,
               const QRect& clip = QRect());

// What the main window calls to draw lines and pages on its picture.  All
// rectangles returned are in picture coordinates: the parts to repaint.
class LinePainter {
public:
    explicit LinePainter(QImage& picture) : picture_(picture) {}

    // Lays out `line` on ed.pageLayout's current line (setting editLevel for
    // ed.caretPos), draws it and sets ed.lineFull.  The cells keep the drawn,
    // shifted positions for the caret and mouse placement.
    QRect layoutAndDraw(EditorState& ed, const std::string& line);
    QRect layoutAndDraw(EditorState& ed) { return layoutAndDraw(ed, ed.writtenLine); }

    // Paints a drawn line (its band first), kept inside the band.
    QRect paintLine(const DrawOps& ops);

    // The measuring the painting agrees with, for the editor's operations.
    QtTextMetrics& metrics() { return metrics_; }

    QRect clearEquationBand(const PictureBox& band);
    QRect clearWritingArea(const PictureBox& writingArea, const PageLayout& page);
    QRect drawRuledLines(const PageLayout& page);

private:
    QImage& picture_;
    QtTextMetrics metrics_;
};

// The caret's pixels on the window (window coordinates).
QRect caretRect(const Caret& caret);

// The caret part of Timer1: an active caret toggles.  Returns the window
// rectangle to repaint, empty when nothing changed.
QRect caretTick(Caret& caret);

// Stops the blinking; returns the rectangle to repaint.
QRect removeCaret(Caret& caret);

// Call at the end of the window's paint: inverts the pixels under a shown
// caret, so it stays visible on black text as on white paper.
void paintCaret(QPainter& windowPainter, const Caret& caret);
