// The main window (objectName "TForm1"): one borderless full-screen picture
// with the toolbar, the area label, the exercise chooser and the keypad over
// it.  It turns mouse, key and timer events into calls of the program's
// operations and shows what they painted into the picture.
#pragma once

#include <array>
#include <memory>
#include <string>

#include <QAbstractButton>
#include <QFrame>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include "editor/lineeditor.h"
#include "editor/ui/linepainter.h"
#include "mainwindow/geometry.h"
#include "problems/equationlist.h"
#include "problems/selection.h"
#include "session/stepflow.h"
#include "teacher/ui/teacherwindow.h"

class EquationFilesWindow;
class EvaluationDialog;
class Feedback;
class GradeBoundariesDialog;
class HelpWindow;
class PasswordWindow;
class KeypadView;
class PictureView;
class QLabel;
class QListWidget;
class QPushButton;
class TeacherMenu;
struct Program;

// The windows the toolbar opens, made once at start-up and kept to the end.
struct ProgramWindows {
    TeacherMenu* teacherMenu = nullptr;              // "TFUCIT"
    EquationFilesWindow* equationFiles = nullptr;    // "TForm2"
    GradeBoundariesDialog* gradeBoundaries = nullptr;  // "Tznam"
    EvaluationDialog* evaluation = nullptr;          // "Thodnoc"
    PasswordWindow* password = nullptr;              // "Theslodialog"
    HelpWindow* help = nullptr;                      // "TForm5"
};

// The window is the step flow's screen (StepScreen): the flow draws, speaks
// and waits through it.
class MainWindow : public QWidget, private StepScreen {
    Q_OBJECT
public:
    // screenSize: the screen the window fills (empty: the primary screen's).
    // Files are read from the working directory, where the program is started.
    explicit MainWindow(Program& program, QSize screenSize = QSize(), QWidget* parent = nullptr);
    ~MainWindow() override;

    // False when the window could not be laid out; its message was shown and
    // the program must end without entering the message loop.
    bool created() const { return created_; }
    // True once the program has been told to end, with its exit code.
    bool ended() const { return ended_; }
    int exitCode() const { return exitCode_; }

    // startTimer: the rest of the start-up, 500 ms after the window was
    // created (named apart from QObject::startTimer).
    void finishStartUp();
    // Timer1Timer: the caret and animation tick, every 300 ms.
    void caretTimerTick();

    // The start screen's operations.
    void pictureClicked(QPoint pressPoint);  // Image1Click
    void presentEquation();
    void presentAgain();
    void returnToStartScreen();
    void drawSpeedometer() override;

    // The pupil writes.  The key handlers get the keys the window itself
    // received (keyPressEvent, keyReleaseEvent); the others the releases
    // over the picture and over the keypad, in their pictures' pixels.
    // FormKeyPress returns true for the check by substitution's "=", which
    // the caller hands to checkPhaseStep.
    bool FormKeyPress(int qtKey, const QString& text);
    void FormKeyUp(int qtKey, Qt::KeyboardModifiers modifiers);
    void pictureReleased(QPoint point);  // Image1MouseUp, after Image1Click
    void keypadReleased(QPoint point);   // Image2MouseUp

    // What the editor's operations need of the window, and the one way their
    // results reach the screen: the line's band, the caret, the keypad under
    // it, the fraction and power buttons, and "cink" for a refusal.
    EditorContext editorContext() override;
    void showEdit(const EditResult& result) override;

    // The warning dialog and the windows of the toolbar, in the program's
    // order of windows, each above this full-screen one.  Made once, right
    // after the picture was first painted (or on the first toolbar press
    // before that); a second call does nothing.
    void createWindows();
    const ProgramWindows& windows() const { return windows_; }
    // What the teacher's windows read and change: the settings, the bank's
    // counts, the statistics, the warning dialog.
    const TeacherData& teacherData() const { return teacherData_; }

    // A toolbar button was released over.
    void toolbarReleased(ToolbarButton button);
    QAbstractButton* toolbarButton(ToolbarButton button) const { return toolbar_[toolbarIndex(button)]; }

    // The exercise chooser's list, read again from the working directory.
    void fillExerciseList();
    // A click on the chooser's list: the file of that row.
    void chooseExerciseRow(int row);
    // Starts the exercise of that file: shown by its name, opened by its
    // name on the disk.
    void chooseExercise(const ListedFile& file);
    // The same for a name in Windows-1250 whose file on the disk is its
    // UTF-8 form, as the builder writes it.
    void chooseExercise(const std::string& fileName);

    Program& program() const { return program_; }
    const MainWindowGeometry& geometry() const { return geometry_; }
    QImage& picture() { return picture_; }
    Feedback* feedback() const { return feedback_.get(); }
    // Whether a copy of the start picture is held, to return to: only while
    // an area is open.
    bool startPictureKept() const { return !startPicture_.isNull(); }

    // Controls; each keeps the name the program's operations know it by as
    // its objectName.
    PictureView* pictureView = nullptr;       // "Image1"
    KeypadView* keypad = nullptr;             // "Image2", the on-screen keypad picture
    QLabel* areaLabel = nullptr;              // "Panel2"
    QFrame* exerciseChooser = nullptr;        // "Panel1"
    QLabel* chooserPrompt = nullptr;          // "Label1"
    QListWidget* exerciseList = nullptr;      // "FileListBox1"
    QPushButton* chooserCancelButton = nullptr;  // "BitBtn1"
    QPushButton* showSolutionButton = nullptr;   // "BitBtn2"
    QAbstractButton* fractionButton = nullptr;   // "BitBtn3"
    QAbstractButton* power2Button = nullptr;     // "BitBtn4"
    QAbstractButton* power3Button = nullptr;     // "BitBtn5"
    QAbstractButton* power4Button = nullptr;     // "BitBtn6"
    QAbstractButton* evaluationButton = nullptr; // "BitBtn7"
    QAbstractButton* helpButton = nullptr;       // "BitBtn8"
    QAbstractButton* teacherButton = nullptr;    // "BitBtn9"
    QAbstractButton* leaveButton = nullptr;      // "BitBtn10"
    QTimer caretTimer;    // "Timer1"
    QTimer startupTimer;  // "start"

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
    bool FormCreate();
    void createControls(const QImage& keypadPicture);
    void createToolbar();
    void createExerciseChooser();
    void placeControls();
    void endProgram(int code);
    // Keeps the start picture before an area paints over it.
    void leaveStartScreen();
    // Enter, from the keyboard or the keypad: a shown bubble is only erased;
    // otherwise the step check runs inside enterBusy.
    void enterReleased();
    // The step flow's two entries: the check of the line on Enter, and "="
    // while the check by substitution runs (never written into the line).
    void stepEntered();
    void checkPhaseStep();
    void setButtonEnabled(ToolbarButton button, bool enabled);
    void pictureMouseMoved(QPoint point);
    SelectionHooks screenHooks();

    // The rest of the step flow's screen.
    void showLine(const DrawOps& ops) override;
    void paint(const DrawOps& ops) override;
    void clearWritingArea() override;
    void drawRuledLines() override;
    void scrollPage(const PictureBox& source, int32_t targetTop) override;
    void hideCaret() override;
    void hideKeypad() override;
    void setShowSolutionEnabled(bool enabled) override;
    void setToolbar(ToolbarState state) override;
    void showBubble(const std::string& line1, const std::string& line2, const std::string& line3) override;
    void eraseBubble() override;
    bool bubbleShown() const override;
    void waitForBubble() override;
    void startAnimation(int number) override;
    void showWarning(const std::string& text) override;
    bool closing() const override { return ended_; }
    const SelectionHooks& selectionHooks() override { return hooks_; }

    Program& program_;
    QSize screenSize_;
    bool created_ = false;
    bool ended_ = false;
    int exitCode_ = 0;

    // The main picture.  On the start screen it is the start picture as
    // loaded, with the mascot drawn in; while an area is open it is painted
    // on, and startPicture_ keeps the start picture for the return (null on
    // the start screen: one full-screen picture there, not two).
    QImage picture_;
    QImage startPicture_;
    QImage startMascotPiece_;  // the start picture under the mascot
    QImage dial_;          // the speedometer dial
    MainWindowGeometry geometry_;
    std::array<QAbstractButton*, 11> toolbar_{};  // by toolbarIndex
    std::unique_ptr<LinePainter> linePainter_;
    std::unique_ptr<Feedback> feedback_;
    SelectionHooks hooks_;
    StepFlow flow_;
    TeacherData teacherData_;
    ProgramWindows windows_;
    std::vector<ListedFile> exerciseFiles_;  // the chooser's files, by row
    // Keys whose press this window received, so that a release acts only for
    // them (the Enter that closed a dialog is not the pupil's Enter).  A
    // release acts as the key was pressed: Shift or Num Lock let go first
    // rename the key, not what the pupil pressed.  `checked`: the press
    // handed "=" to the check by substitution, whose bubble its release
    // then leaves.
    struct PressedKey {
        int qtKey = 0;
        bool checked = false;
    };
    QHash<int, PressedKey> pressedKeys_;
};
