// How long the program takes from creating its main window to a start
// screen ready for the pupil: layout, pictures, settings, the sixteen record
// counts and the first full paint.  The 500 ms start timer is not included.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "feedback/ui/feedback.h"
#include "mainwindow/ui/mainwindow.h"
#include "mainwindow/ui/program.h"

static void StartupToStartScreen(benchmark::State& run, int width, int height) {
    Program program;
    for (auto _ : run) {
        initSessionState(program.state);
        MainWindow form{program, QSize(width, height)};
        form.finishStartUp();
        form.feedback()->stopAnimation();
        QPixmap shown = form.grab();
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK_CAPTURE(StartupToStartScreen, screen800x600, 800, 600)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartupToStartScreen, screen1024x768, 1024, 768)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartupToStartScreen, screen1920x1080, 1920, 1080)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The program runs in its runtime folder.
    QDir::setCurrent(QStringLiteral(VELMIR_RUNTIME_DIR));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
