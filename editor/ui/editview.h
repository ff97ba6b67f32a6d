// Shows what an editor operation changed: the line's band on the main
// picture and the caret's old place on the window.
#pragma once

#include <QRect>

#include "editor/lineeditor.h"
#include "editor/ui/linepainter.h"

struct EditRepaint {
    QRect picture;  // picture coordinates
    QRect window;   // window coordinates: where the caret stood
};

// Paints a redrawn line into the painter's picture and tells what to repaint.
EditRepaint paintEdit(LinePainter& painter, const EditResult& r);
