// The real program, opened with the page already on display line N (run by
// hand from the runtime folder: ../bin/mainwindow_on_line 9).  Until Enter
// moves the pupil down the page, this is how the lower lines, and the keypad
// there, are looked at on a real screen.
#include <QApplication>
#include <QScreen>
#include <QTimer>

#include "feedback/ui/feedback.h"
#include "mainwindow/ui/mainwindow.h"
#include "mainwindow/ui/program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int line = argc > 1 ? std::clamp(std::atoi(argv[1]), 1, 9) : 9;
    Program program;
    initSessionState(program.state);
    MainWindow form(program);
    if (!form.created()) return form.exitCode();
    form.show();
    form.activateWindow();
    form.setFocus();
    // After the start-up timer: open the first area and move down the page.
    QTimer::singleShot(1000, &form, [&] {
        const QPoint area(form.picture().width() * 250 / 800, form.picture().height() * 140 / 600);
        form.pressPoint = area;
        form.pictureClicked(area);
        program.state.editor.pageLayout.currentLine = static_cast<uint8_t>(line);
        form.showEdit(startLine(program.state.editor, form.editorContext()));
    });
    return app.exec();
}
