// One keystroke from the editor's call to the line painted into the page
// picture, on a line of 100 bytes with fractions and powers (run by hand:
// build/bin/editor_bench).  The counters give the mean and the 99th
// percentile of single keystrokes in milliseconds, as the clock on the wall
// and as the thread's own processor time (which a busy machine's other work
// does not inflate); the goal is a p99 of at most 2 ms.  The second benchmark
// leaves out the painting.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "editor/editing.h"
#include "editor/lineeditor.h"
#include "editor/ui/editview.h"
#include "engine/markers.h"
#include "tests/support/keystrokebench.h"

namespace {

std::string power(char d) { return std::string{static_cast<char>(POWER_START), d, static_cast<char>(POWER_END)}; }

// 99 bytes; typing an "x" makes 100, Backspace takes it away again.
std::string longLine() {
    std::string s = writtenFraction("3x" + power('2') + "-1", "4") + "+" + writtenFraction("x+5", "2x" + power('3')) +
                    "=2.5x" + power('2') + "-(x-1)" + power('4') + "+" + writtenFraction("7", "x+1") + "-12x";
    while (s.size() < 99) s += s.size() % 2 ? "x" : "+";
    return s;
}

void keystroke(benchmark::State& state, bool paint) {
    // The 800 x 600 writing page.
    QImage picture(800, 600, QImage::Format_RGB32);
    picture.fill(Qt::white);
    LinePainter painter(picture);
    EditorState ed;
    ed.pageLayout.fontSize = {0, 24, 14, 14, 8, 8, 16};
    ed.pageLayout.areaLeft = 22;
    ed.pageLayout.areaTop = 100;
    ed.pageLayout.areaWidth = 746;
    ed.pageLayout.pageLines = 9;
    ed.pageLayout.currentLine = 5;
    const EditorContext ctx{painter.metrics(), PictureOffset{}, 600};
    startLine(ed, ctx, longLine());
    moveEnd(ed);
    guardAtCaret(ed);

    keystrokebench::Times times;
    bool grow = true;
    for (auto _ : state) {
        times.start();
        const EditResult r = editKey(ed, ctx, grow ? 'x' : KEY_BACKSPACE);
        if (paint) benchmark::DoNotOptimize(paintEdit(painter, r));
        times.stop();
        if (r.refused) state.SkipWithError("the keystroke was refused");
        grow = !grow;
    }
    times.report(state);
}

}  // namespace

BENCHMARK_CAPTURE(keystroke, painted, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(keystroke, laid_out_and_drawn, false)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);  // fonts for the measuring and painting
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
