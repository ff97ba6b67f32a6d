// How the equations of an equation file look in the program: the equation in
// the band at the top of the picture, the sample solution on the writing
// page, laid out and drawn by the editor's own layout and painter.
#pragma once

#include <string>
#include <vector>

#include <QImage>
#include <QRect>

#include "editor/layout.h"
#include "editor/ui/linepainter.h"
#include "mainwindow/geometry.h"
#include "problems/equationfile.h"

namespace bankview {

// Where one laid-out line ends up, in picture coordinates.
struct LineExtent {
    int width = 0;  // of the line before it is placed
    int room = 0;   // the widest line the layout can place
    int right = 0;  // the layout's right end of the line
    int limit = 0;  // the furthest right end the layout lets a line have
    QRect ink;      // every pixel the line paints
    QRect band;     // where it must stay: the equation band or its own line
};

// `slot` 0 on the equation band, the others on display line `slot` of the
// writing page.
LineExtent extentOf(const EquationRecord& record, int slot, const MainWindowGeometry& g,
                    QtTextMetrics& metrics);

// Czech descriptions of what does not fit: the equation in the equation
// band, a solution line in the writing width, the solution on the page.
std::vector<std::string> fitProblems(const EquationRecord& record, const MainWindowGeometry& g,
                                     QtTextMetrics& metrics);

// The picture with the record presented and its sample solution shown, as
// the main window draws them.  `picture` is the start-screen picture of that
// size, or a null image for a grey one.
QImage renderSolution(const EquationRecord& record, const MainWindowGeometry& g, const QImage& picture);

}  // namespace bankview
