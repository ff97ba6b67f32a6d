#include "editor/ui/editview.h"

EditRepaint paintEdit(LinePainter& painter, const EditResult& r) {
    EditRepaint repaint;
    if (r.redrawn) repaint.picture = painter.paintLine(r.ops);
    if (r.caretPlaced && r.caretBefore.shown) repaint.window = caretRect(r.caretBefore);
    return repaint;
}
