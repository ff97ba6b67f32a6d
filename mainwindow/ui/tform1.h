// The main window: one borderless full-screen picture with the toolbar, the
// area label, the exercise chooser and the keypad over it.  It turns mouse,
// key and timer events into calls of the program's operations and shows what
// they painted into the picture.
#pragma once

#include <array>
#include <memory>
#include <string>

#include <QAbstractButton>
#include <QFrame>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include "editor/ui/linepainter.h"
#include "mainwindow/geometry.h"
#include "problems/selection.h"

class Feedback;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class TForm1;

// Image1: shows the main picture and the caret, and reports clicks in picture
// coordinates.
class PictureView : public QWidget {
    Q_OBJECT
public:
    PictureView(TForm1* form, QImage* picture);
    QSize sizeHint() const override { return picture_->size(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TForm1* form_;
    QImage* picture_;
};

// A 25 x 25 toolbar button showing one of the system pictures; it never takes
// the keyboard focus, which belongs to the window.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(const QImage& picture, const QString& tip, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // screenSize: the screen the window fills (empty: the primary screen's).
    // Files are read from the working directory, where the program is started.
    explicit TForm1(QSize screenSize = QSize(), QWidget* parent = nullptr);
    ~TForm1() override;

    // False when the window could not be laid out; its message was shown and
    // the program must end without entering the message loop.
    bool created() const { return created_; }
    // True once the program has been told to end, with its exit code.
    bool ended() const { return ended_; }
    int exitCode() const { return exitCode_; }

    // Start-up, 500 ms after the window was created.
    void startTimer();
    // The caret and animation tick, every 300 ms.
    void Timer1Timer();

    // The start screen's operations.
    void Image1Click(QPoint pressPoint);
    void presentEquation();
    void presentAgain();
    void returnToStartScreen();
    void drawSpeedometer();
    void FormKeyUp();

    // Toolbar buttons (released over them).
    void toolbarReleased(int k);

    // The exercise chooser's list, read again from the working directory.
    void fillExerciseList();
    void chooseExercise(const QString& fileName);

    const MainWindowGeometry& geometry() const { return geometry_; }
    QImage& picture() { return picture_; }
    const QImage& startPicture() const { return startPicture_; }
    Feedback* feedback() const { return feedback_.get(); }
    const SelectionHooks& selectionHooks() const { return hooks_; }
    void setSelectionHooks(const SelectionHooks& hooks) { hooks_ = hooks; }

    // Controls, with the names the program's operations know them by.
    PictureView* Image1 = nullptr;
    QLabel* Image2 = nullptr;  // the on-screen keypad picture
    QLabel* Panel2 = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QListWidget* FileListBox1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    std::array<QAbstractButton*, 11> bitBtn{};  // BitBtn2 .. BitBtn10 at [2] .. [10]
    QTimer Timer1;
    QTimer start;

    // Repaints a changed part of the picture (picture coordinates) or of the
    // window (window coordinates, as the caret is kept).
    void showPictureRect(const QRect& rect);
    void showWindowRect(const QRect& rect);
    // Point where the mouse button last went down on the picture.
    QPoint pressPoint;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class PictureView;
    bool FormCreate();
    void createControls();
    void placeControls();
    void endProgram(int code);
    void placeCaretAfterDrawing(bool atStart);
    void setButtonEnabled(int k, bool enabled);
    void pictureMouseMoved(QPoint point);
    SelectionHooks screenHooks();

    QSize screenSize_;
    bool created_ = false;
    bool ended_ = false;
    int exitCode_ = 0;

    QImage picture_;       // Image1's picture, painted on while the pupil works
    QImage startPicture_;  // the start screen as loaded, to return to
    QImage dial_;          // the speedometer dial
    MainWindowGeometry geometry_;
    std::unique_ptr<LinePainter> linePainter_;
    std::unique_ptr<Feedback> feedback_;
    SelectionHooks hooks_;
};
