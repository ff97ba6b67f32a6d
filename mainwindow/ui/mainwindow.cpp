#include "mainwindow/ui/mainwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QThread>

#include "editor/keypad.h"
#include "editor/ui/editview.h"
#include "editor/ui/keymap.h"
#include "engine/cp1250.h"
#include "engine/engine.h"
#include "engine/ui/picturefile.h"
#include "engine/ui/qtext.h"
#include "feedback/ui/feedback.h"
#include "help/ui/helpwindow.h"
#include "mainwindow/startmenu.h"
#include "mainwindow/ui/keypadview.h"
#include "mainwindow/ui/picturebutton.h"
#include "mainwindow/ui/pictureview.h"
#include "mainwindow/ui/program.h"
#include "mainwindow/ui/speedometerview.h"
#include "teacher/ui/equationfileswindow.h"
#include "teacher/ui/evaluationdialog.h"
#include "teacher/ui/gradeboundariesdialog.h"
#include "teacher/ui/passwordwindow.h"
#include "teacher/ui/teachermenuwindow.h"

namespace {

using cp1250::w1250;

const QColor SILVER(192, 192, 192);

// Null when the file is missing, damaged or of another size than `expected`.
QImage loadPicture(const QString& path, QSize expected) {
    QImage image = loadPictureFile(path, expected);
    ensurePaintable(image);
    return image;
}

QSize sizeOf(PictureSize size) { return QSize(size.width, size.height); }

QSize primaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(800, 600);
}

QRect toQRect(const Rect& r) { return QRect(r.left, r.top, r.width, r.height); }

QString buttonName(ToolbarButton button) { return QStringLiteral("BitBtn%1").arg(toolbarIndex(button)); }

// A key as its press and its release both name it: by the keyboard's scan
// code where the system gives one (Shift let go first changes the key's
// name, not its scan code), else by Qt's key.
int keyIdentity(const QKeyEvent& event) {
    const quint32 scanCode = event.nativeScanCode();
    return scanCode != 0 ? static_cast<int>(0x40000000u | scanCode) : event.key();
}

}  // namespace

MainWindow::MainWindow(Program& program, QSize screenSize, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      program_(program),
      screenSize_(screenSize.isValid() ? screenSize : primaryScreenSize()),
      flow_(program.state, program.random, *this) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Velmir rovnic"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, SILVER);
    setPalette(pal);
    setAutoFillBackground(true);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    setFont(font);
    // Keys belong to the window, not to whichever control was clicked last.
    setFocusPolicy(Qt::StrongFocus);

    caretTimer.setObjectName(QStringLiteral("Timer1"));
    caretTimer.setInterval(300);
    startupTimer.setObjectName(QStringLiteral("start"));
    startupTimer.setInterval(500);
    startupTimer.setSingleShot(true);
    connect(&caretTimer, &QTimer::timeout, this, &MainWindow::caretTimerTick);
    connect(&startupTimer, &QTimer::timeout, this, &MainWindow::finishStartUp);

    teacherData_.settings = &program_.state.settings;
    teacherData_.folder = ".";
    teacherData_.bankAreas = [this] {
        // The area files in the order of the area index, without the group
        // headings and the exercises, with the counts read at start-up.
        std::vector<BankArea> areas;
        const SessionState& session = program_.state.session;
        for (int index = 1; index < AREA_COUNT; ++index) {
            const int32_t code = areaCodeOf(index);
            if (!isGroupHeading(code)) areas.push_back({code, session.areaCounts[index]});
        }
        return areas;
    };
    teacherData_.statistics = [this](int row) {
        const AreaStatistics& s = program_.state.session.areaStatistics.at(row);
        return StepCounts{s.goodSteps, s.wrongSteps, s.solvedEquations};
    };
    teacherData_.showWarning = [this](const std::string& text) { program_.warnings.showWarning(text); };

    created_ = FormCreate();
}

MainWindow::~MainWindow() {
    caretTimer.stop();
    startupTimer.stop();
    if (feedback_) feedback_->stopAnimation();
}

bool MainWindow::FormCreate() {
    move(0, 0);
    const int sw = screenSize_.width();
    const int sh = screenSize_.height();
    auto fail = [this](const char* utf8) {
        caretTimer.stop();
        startupTimer.stop();
        program_.startupMessage(w1250(utf8));
        ended_ = true;
        exitCode_ = 1;
        return false;
    };
    if (screenTooSmallAtCreation(sw))
        return fail("Program Velmir rovnic bude ukončen, minimální rozlišení musí být 800x600");

    // Every place on the screen is computed from the start picture, so one of
    // another size would put the menu and "Konec" where nobody can reach them.
    picture_ = loadPicture(QString::fromStdString(startPicturePath(sw, sh)), sizeOf(startPictureSize(sw, sh)));
    if (picture_.isNull())
        return fail("Program Velmir rovnic bude ukončen, neotevřel se soubor system\\podklad.bmp resp "
                    "podklad800.bmp");
    dial_ = loadPicture(QStringLiteral("system/tachak.bmp"), QSize(DIAL_WIDTH, DIAL_HEIGHT));
    if (dial_.isNull())
        return fail("Program Velmir rovnic bude ukončen, neotevřel se soubor system\\tachak.bmp");
    // Without its picture the keypad would be an invisible row of keys.
    const QImage keypadPicture =
        loadPicture(QStringLiteral("system/klavesnice.bmp"), QSize(KEYPAD_WIDTH, KEYPAD_HEIGHT));
    if (keypadPicture.isNull())
        return fail("Program Velmir rovnic bude ukončen, neotevřel se soubor system\\klavesnice.bmp");

    geometry_ = computeGeometry(sw, sh, picture_.width(), picture_.height());
    ProgramState& st = program_.state;
    st.session.geometry = geometry_.screen;
    st.editor.pageLayout = geometry_.writingLayout;
    st.editor.caret = geometry_.caret;
    st.currentEquation = initialEquation();
    setFixedSize(geometry_.windowWidth, geometry_.windowHeight);

    linePainter_ = std::make_unique<LinePainter>(picture_);
    feedback_ = std::make_unique<Feedback>(
        &picture_, geometry_.screen.scaleX, geometry_.screen.scaleY,
        [this](const QRect& r) { showPictureRect(r); }, program_.warnings, program_.sound);
    feedback_->setCaretTimer(&caretTimer);
    // Nothing is drawn yet: the piece under the mascot is the start picture's.
    startMascotPiece_ = picture_.copy(feedback_->mascot().rect());
    feedback_->setAnimationTickHook([this] { program_.state.session.enterBusy = false; });

    createControls(keypadPicture);
    placeControls();
    hooks_ = screenHooks();

    caretTimer.start();
    startupTimer.start();
    return true;
}

void MainWindow::createControls(const QImage& keypadPicture) {
    pictureView = new PictureView(&picture_, &program_.state.editor.caret, this);
    connect(pictureView, &PictureView::pressed, this, [this](QPoint point) {
        if (exerciseChooser->isHidden()) pressPoint = point;
    });
    connect(pictureView, &PictureView::moved, this, &MainWindow::pictureMouseMoved);
    // The toolbar's windows are made once the start screen is on the screen,
    // so that the pupil sees it sooner; nothing can open them before.
    connect(pictureView, &PictureView::firstPainted, this,
            [this] { QTimer::singleShot(0, this, &MainWindow::createWindows); });
    // One release over the picture is first its click (the menu, the
    // bubble, the sample solution), then the caret's placing.
    connect(pictureView, &PictureView::clicked, this, [this](QPoint released) {
        pictureClicked(pressPoint);
        pictureReleased(released);
    });

    areaLabel = new QLabel(QStringLiteral("Druh rovnic"), this);
    areaLabel->setObjectName(QStringLiteral("Panel2"));
    areaLabel->setAlignment(Qt::AlignCenter);
    areaLabel->setStyleSheet(QStringLiteral(
        "QLabel { background: #eef3fa; color: #0000c8; font-weight: bold; border: 1px solid #7f93ad; }"));
    areaLabel->hide();

    createToolbar();

    keypad = new KeypadView(keypadPicture, this);
    connect(keypad, &KeypadView::released, this, &MainWindow::keypadReleased);
    keypad->hide();

    createExerciseChooser();
}

void MainWindow::createToolbar() {
    showSolutionButton = new QPushButton(QStringLiteral("Ukázat řešení"), this);
    showSolutionButton->setFocusPolicy(Qt::NoFocus);
    toolbar_[toolbarIndex(ToolbarButton::ShowSolution)] = showSolutionButton;
    struct PictureSpec {
        ToolbarButton button;
        QAbstractButton** member;
        const char* file;
        const char* tip;
    };
    const PictureSpec pictures[] = {
        {ToolbarButton::Fraction, &fractionButton, "zlomek", "Zlomek"},
        {ToolbarButton::Power2, &power2Button, "mocnina2", "Druhá mocnina"},
        {ToolbarButton::Power3, &power3Button, "mocnina3", "Třetí mocnina"},
        {ToolbarButton::Power4, &power4Button, "mocnina4", "Čtvrtá mocnina"},
        {ToolbarButton::Evaluation, &evaluationButton, "hodnoceni", "Hodnocení"},
        {ToolbarButton::Help, &helpButton, "napoveda", "Nápověda"},
        {ToolbarButton::Teacher, &teacherButton, "ucitel", "Nastavení pro učitele"},
        {ToolbarButton::Leave, &leaveButton, "konec", "Zpět na výběr rovnic"},
    };
    for (const PictureSpec& s : pictures) {
        // A damaged picture leaves the button an empty frame, as a missing one.
        const QImage image = loadPicture(QStringLiteral("system/%1.bmp").arg(QLatin1String(s.file)),
                                         QSize(TOOLBAR_PICTURE_SIDE, TOOLBAR_PICTURE_SIDE));
        *s.member = new PictureButton(image, QString::fromUtf8(s.tip), this);
        toolbar_[toolbarIndex(s.button)] = *s.member;
    }
    for (ToolbarButton b : TOOLBAR_BUTTONS) {
        QAbstractButton* button = toolbarButton(b);
        button->setObjectName(buttonName(b));
        button->resize(25, 25);
        connect(button, &QAbstractButton::clicked, this, [this, b] { toolbarReleased(b); });
    }
    showSolutionButton->resize(113, 25);
    // The start screen's states.
    for (ToolbarButton b : {ToolbarButton::ShowSolution, ToolbarButton::Fraction, ToolbarButton::Power2,
                            ToolbarButton::Power3, ToolbarButton::Power4, ToolbarButton::Leave})
        setButtonEnabled(b, false);
}

void MainWindow::createExerciseChooser() {
    exerciseChooser = new QFrame(this);
    exerciseChooser->setObjectName(QStringLiteral("Panel1"));
    exerciseChooser->setFrameStyle(QFrame::Panel | QFrame::Raised);
    exerciseChooser->setLineWidth(2);
    exerciseChooser->setAutoFillBackground(true);
    // The chooser in the start screen's own colours, with names large enough
    // to hit on a board.
    exerciseChooser->setStyleSheet(QStringLiteral(
        "QFrame#Panel1 { background: #eef3fa; border: 2px solid #5b7fb0; border-radius: 6px; }"
        "QLabel { color: #1f3f6e; font-weight: bold; font-size: 14px; }"
        "QListWidget { background: white; border: 1px solid #9fb3cf; font-size: 15px; }"
        "QListWidget::item { padding: 4px; }"
        "QListWidget::item:hover { background: #dce8f7; }"));
    chooserPrompt = new QLabel(QStringLiteral("Kliknutím vyber cvičení, které chceš dělat."), exerciseChooser);
    chooserPrompt->setObjectName(QStringLiteral("Label1"));
    chooserPrompt->setWordWrap(true);
    chooserPrompt->setAlignment(Qt::AlignCenter);
    exerciseList = new QListWidget(exerciseChooser);
    exerciseList->setObjectName(QStringLiteral("FileListBox1"));
    chooserCancelButton = new QPushButton(QStringLiteral("Storno"), exerciseChooser);
    chooserCancelButton->setObjectName(QStringLiteral("BitBtn1"));
    chooserCancelButton->setFocusPolicy(Qt::NoFocus);
    connect(exerciseList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseExerciseRow(exerciseList->row(item)); });
    connect(chooserCancelButton, &QPushButton::clicked, this, [this] {
        exerciseChooser->hide();
        setFocus();
    });
    exerciseChooser->hide();
}

void MainWindow::placeControls() {
    const MainWindowGeometry& g = geometry_;
    pictureView->setGeometry(g.screen.pictureLeft, g.screen.pictureTop, picture_.width(), picture_.height());
    pictureView->lower();
    for (ToolbarButton b : TOOLBAR_BUTTONS) toolbarButton(b)->setGeometry(toQRect(g.toolbarButton(b)));
    areaLabel->setGeometry(toQRect(g.areaLabel));
    keypad->setGeometry(toQRect(g.keypad));
    const QRect chooser = toQRect(g.exerciseChooser);
    exerciseChooser->setGeometry(chooser);
    chooserPrompt->setGeometry(12, 10, chooser.width() - 24, 40);
    exerciseList->setGeometry(12, 56, chooser.width() - 24, chooser.height() - 56 - 48);
    chooserCancelButton->setGeometry((chooser.width() - 90) / 2, chooser.height() - 38, 90, 27);
}

SelectionHooks MainWindow::screenHooks() {
    SelectionHooks hooks = fileSelectionHooks();
    hooks.randomPick = [this] { return program_.random.pick(1, 3); };
    hooks.showWarning = [this](const std::string& text) { program_.warnings.showWarning(text); };
    hooks.stopSound = [this] { program_.sound.stop(); };
    hooks.normalCursor = [this] { pictureView->setCursor(Qt::ArrowCursor); };
    hooks.clearEquationBand = [this] { showPictureRect(linePainter_->clearEquationBand(geometry_.equationBand)); };
    hooks.clearWritingArea = [this] {
        showPictureRect(linePainter_->clearWritingArea(geometry_.writingArea, program_.state.editor.pageLayout));
    };
    hooks.presentEquation = [this] { presentEquation(); };
    hooks.returnToStartScreen = [this] { returnToStartScreen(); };
    return hooks;
}

void MainWindow::showPictureRect(const QRect& rect) {
    if (pictureView && !rect.isEmpty()) pictureView->update(rect);
}

void MainWindow::showWindowRect(const QRect& rect) {
    if (pictureView) showPictureRect(rect.translated(-pictureView->pos()));
}

void MainWindow::setButtonEnabled(ToolbarButton button, bool enabled) { toolbarButton(button)->setEnabled(enabled); }

// --- Start-up and end -----------------------------------------------------

void MainWindow::finishStartUp() {
    startupTimer.stop();
    if (ended_) return;
    Warnings& warnings = program_.warnings;
    if (screenTooSmallAtStart(screenSize_.width(), screenSize_.height())) {
        warnings.showWarning(w1250("Nastavení obrazovky je menší než 800x600. Program bude ukončen."));
        endProgram(1);
        return;
    }
    ProgramState& st = program_.state;
    const std::string settingsProblem = loadSettings(st.settings);
    if (!settingsProblem.empty()) {
        warnings.showWarning(settingsProblem);
        endProgram(1);
        return;
    }
    for (int index = 1; index <= AREA_COUNT; ++index) {
        const int32_t code = areaCodeOf(index);
        if (isGroupHeading(code) || code == EXERCISE_AREA) continue;
        uint8_t count = 0;
        const FileResult counted = countEquations(code, count);
        if (!counted.ok) {
            warnings.showWarning(counted.message);
            endProgram(1);
            return;
        }
        st.session.areaCounts[index] = count;
    }
    feedback_->captureMascotBackground();
    feedback_->startAnimation(ANIMATION_GREETING);
}

void MainWindow::endProgram(int code) {
    ended_ = true;
    exitCode_ = code;
    caretTimer.stop();
    startupTimer.stop();
    close();
    // Only a running loop is told to end: outside one, Qt would keep the
    // request and end the next loop that starts, a dialog's among them.
    // main() reads ended() when there is no loop yet.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(code);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Ending first: a step flow waiting for its bubble sees it when the
    // erased bubble lets it go, and goes no further.
    ended_ = true;
    if (feedback_) {
        feedback_->stopAnimation();
        if (feedback_->bubbleShown()) feedback_->eraseBubble();
    }
    caretTimer.stop();
    QCoreApplication::processEvents();
    event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Keys held while another window took over are released there.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) pressedKeys_.clear();
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !feedback_) return;
    // FormActivate.  The mascot's background is the start picture's piece
    // under it: taking it from the live picture could catch a frame of the
    // mascot itself.
    const QRect box = feedback_->mascot().rect();
    {
        QPainter p(&picture_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(box.topLeft(), startMascotPiece_);
    }
    feedback_->captureMascotBackground();
    showPictureRect(box);
}

// --- Timers and keys ------------------------------------------------------

void MainWindow::caretTimerTick() {
    if (feedback_) feedback_->caretTimerTick();
    showWindowRect(caretTick(program_.state.editor.caret));
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    // A held key repeats its press: characters and Backspace repeat.
    const bool checks = FormKeyPress(event->key(), event->text());
    // Noted before the check runs: it lets other events in, this key's
    // release among them.
    pressedKeys_.insert(keyIdentity(*event), PressedKey{event->key(), checks});
    if (checks) checkPhaseStep();
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    if (event->isAutoRepeat()) return;
    const auto found = pressedKeys_.constFind(keyIdentity(*event));
    if (found == pressedKeys_.constEnd()) return;  // pressed elsewhere: a dialog's key
    const PressedKey pressed = found.value();
    pressedKeys_.erase(found);
    if (pressed.checked) return;  // its press did the work; the check's bubble stays
    FormKeyUp(pressed.qtKey, event->modifiers());
}

bool MainWindow::FormKeyPress(int qtKey, const QString& text) {
    const SessionState& session = program_.state.session;
    if (session.enterBusy || program_.warnings.visible() || session.solutionShown || session.currentArea == 0 ||
        session.waitingForNextEquation)
        return false;
    const TypedKey typed = typedKeyOf(qtKey, text);
    if (typed.kind == TypedKey::None) return false;
    if (typed.kind == TypedKey::Refused) {
        program_.sound.play("cink");
        return false;
    }
    const EditResult r = keyPressed(program_.state.editor, editorContext(), typed.byte);
    showEdit(r);
    return r.handOver == HandOver::CheckPhaseEquals;
}

void MainWindow::FormKeyUp(int qtKey, Qt::KeyboardModifiers modifiers) {
    SessionState& session = program_.state.session;
    if (session.enterBusy || program_.warnings.visible()) return;
    if (session.solutionShown) {
        presentAgain();
        return;
    }
    if (session.currentArea == 0) return;
    const KeyCode key = keyCodeOf(qtKey);
    if (key == KeyCode::Enter) {
        enterReleased();
        return;
    }
    if (feedback_->bubbleShown()) feedback_->eraseBubble();
    // A key ends the wait after a finished equation; it edits nothing there.
    if (session.waitingForNextEquation) return;
    showEdit(keyReleased(program_.state.editor, editorContext(), key, modifiers.testFlag(Qt::ShiftModifier)));
}

void MainWindow::enterReleased() {
    SessionState& session = program_.state.session;
    if (feedback_->bubbleShown()) {
        feedback_->eraseBubble();  // the pupil reads it, then presses Enter again
        return;
    }
    if (program_.warnings.visible() || session.enterBusy) return;
    // A second Enter while the check runs, and every other key and tap,
    // wait for it.
    session.enterBusy = true;
    QCoreApplication::processEvents();
    stepEntered();
    QCoreApplication::processEvents();
    session.enterBusy = false;
}

void MainWindow::stepEntered() { flow_.stepEntered(); }

void MainWindow::checkPhaseStep() { flow_.checkPhaseStep(); }

void MainWindow::pictureReleased(QPoint point) {
    if (!exerciseChooser->isHidden()) return;
    if (feedback_->bubbleShown()) feedback_->eraseBubble();
    const SessionState& session = program_.state.session;
    if (session.currentArea == 0 || session.waitingForNextEquation) return;
    showEdit(placeCaretByMouse(program_.state.editor, editorContext(), point.x(), point.y()));
}

void MainWindow::keypadReleased(QPoint point) {
    const SessionState& session = program_.state.session;
    const KeypadKey key = keypadKeyAt(point.x(), point.y());
    if (session.enterBusy || program_.warnings.visible() || session.solutionShown || session.currentArea == 0)
        return;
    if ((key.kind == KeypadKey::Up || key.kind == KeypadKey::Down) && feedback_->bubbleShown())
        feedback_->eraseBubble();
    if (session.waitingForNextEquation) {
        // The finished page stays; Enter taps away the bubble that waits.
        if (key.kind == KeypadKey::Enter && feedback_->bubbleShown()) feedback_->eraseBubble();
        return;
    }
    const EditResult r = keypadPressed(program_.state.editor, editorContext(), key);
    showEdit(r);
    if (r.handOver == HandOver::Enter) enterReleased();
    if (r.handOver == HandOver::CheckPhaseEquals) checkPhaseStep();
}

EditorContext MainWindow::editorContext() {
    return EditorContext{linePainter_->metrics(), {geometry_.screen.pictureLeft, geometry_.screen.pictureTop},
                         geometry_.windowHeight};
}

void MainWindow::showEdit(const EditResult& r) {
    // The line was painted into the picture off the screen; the screen takes
    // the changed band in one piece, so nothing flickers.
    const EditRepaint repaint = paintEdit(*linePainter_, r);
    showPictureRect(repaint.picture);
    showWindowRect(repaint.window);
    Caret& caret = program_.state.editor.caret;
    if (r.caretPlaced) {
        if (!keypad->isHidden()) keypad->move(keypad->x(), r.keypadTop);
        // Seen at its new place at once, then blinking from there.
        if (caret.active) {
            caret.shown = true;
            showWindowRect(caretRect(caret));
        }
        caretTimer.start();
    }
    setToolbar(r.toolbar);
    if (r.refused) program_.sound.play("cink");
}

// --- Start screen ---------------------------------------------------------

void MainWindow::pictureMouseMoved(QPoint point) {
    const bool onItem = exerciseChooser->isHidden() &&
                        menuItemAt(point.x(), point.y(), picture_.width(), picture_.height(),
                                   program_.state.session.currentArea) != 0;
    pictureView->setCursor(onItem ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void MainWindow::pictureClicked(QPoint press) {
    SessionState& session = program_.state.session;
    if (session.solutionShown) {
        presentAgain();
        return;
    }
    if (feedback_->bubbleShown()) feedback_->eraseBubble();
    if (press.x() < 100 && press.y() < 100) feedback_->replayLastAnimation();
    if (!exerciseChooser->isHidden()) return;

    session.menuChoice = menuItemAt(press.x(), press.y(), picture_.width(), picture_.height(),
                                    session.currentArea);
    if (session.menuChoice == 0) return;
    if (session.menuChoice == EXIT_ITEM) {
        QCoreApplication::processEvents();
        endProgram(0);
        return;
    }
    if (session.currentArea != 0) return;
    if (session.menuChoice == EXERCISE_AREA) {
        session.exerciseIndex = -1;
        fillExerciseList();
        pictureView->setCursor(Qt::ArrowCursor);
        exerciseChooser->show();
        exerciseChooser->raise();
        return;
    }
    leaveStartScreen();
    startArea(selectionScope(program_.state), session.menuChoice, hooks_);
}

void MainWindow::fillExerciseList() {
    exerciseList->clear();
    // Each shown by its name in Windows-1250 and opened by its name on the
    // disk, so a "?" in the list never opens a different file.
    exerciseFiles_ = listEquationFiles(".", {".cvc"});
    for (const ListedFile& file : exerciseFiles_) exerciseList->addItem(toQt(file.name));
}

void MainWindow::chooseExerciseRow(int row) {
    if (row >= 0 && row < static_cast<int>(exerciseFiles_.size())) chooseExercise(exerciseFiles_[row]);
}

void MainWindow::chooseExercise(const std::string& fileName) {
    chooseExercise(ListedFile{fileName, cp1250::toUtf8(fileName)});
}

void MainWindow::chooseExercise(const ListedFile& file) {
    SessionState& session = program_.state.session;
    std::string name = file.name;
    if (name.size() > 255) name.resize(255);
    session.exerciseName = name;
    session.exerciseDiskName = file.diskName;
    exerciseChooser->hide();
    setFocus();
    if (name.empty()) return;
    leaveStartScreen();
    startArea(selectionScope(program_.state), EXERCISE_AREA, hooks_);
}

void MainWindow::drawSpeedometer() {
    ProgramState& st = program_.state;
    const NeedleEnd end =
        needleEnd(statisticsOf(st.session, st.session.currentArea), st.settings.gradeBoundaries);
    showPictureRect(::drawSpeedometer(picture_, dial_, geometry_.dial, end));
}

void MainWindow::presentEquation() {
    ProgramState& st = program_.state;
    EditorState& ed = st.editor;
    // A bubble still shown would be saved below as the page's background.
    if (feedback_->bubbleShown()) feedback_->eraseBubble();
    drawSpeedometer();

    ed.pageLayout = geometry_.equationLayout;
    ed.caretPos = 1;
    showPictureRect(linePainter_->layoutAndDraw(ed, st.currentEquation.slot(0)));
    showPictureRect(linePainter_->drawRuledLines(geometry_.writingLayout));

    areaLabel->setText(toQt(areaName(st.session.currentArea, st.session.exerciseName)));
    areaLabel->show();
    setButtonEnabled(ToolbarButton::Leave, true);
    setButtonEnabled(ToolbarButton::ShowSolution, true);
    setButtonEnabled(ToolbarButton::Teacher, false);

    keypad->move(pictureView->x() + (pictureView->width() - keypad->width()) / 2, keypad->y());
    keypad->show();
    keypad->raise();

    // The line starts as every line does: from the line-start guard, with
    // the fraction button on and the powers off, the caret and the keypad
    // under it placed; no check phase, no finished page left over.
    showEdit(startEquation(st, editorContext(), geometry_.writingLayout));

    QCoreApplication::processEvents();
    feedback_->saveBubbleBackground();
}

void MainWindow::presentAgain() {
    ProgramState& st = program_.state;
    if (feedback_->bubbleShown()) feedback_->eraseBubble();
    setButtonEnabled(ToolbarButton::ShowSolution, true);
    st.session.solutionShown = false;
    pictureView->setCursor(Qt::ArrowCursor);
    showPictureRect(linePainter_->clearEquationBand(geometry_.equationBand));
    showPictureRect(linePainter_->clearWritingArea(geometry_.writingArea, st.editor.pageLayout));
    presentEquation();
}

void MainWindow::leaveStartScreen() {
    // While the start screen is shown, the picture painted on is the start
    // picture itself, apart from the mascot's frame: its one copy is made
    // here, for the return, with the mascot's box as loaded.
    if (!startPicture_.isNull()) return;
    startPicture_ = picture_.copy();
    QPainter p(&startPicture_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(feedback_->mascot().rect().topLeft(), startMascotPiece_);
}

void MainWindow::returnToStartScreen() {
    ProgramState& st = program_.state;
    st.session.solutionShown = false;
    for (ToolbarButton b : {ToolbarButton::Leave, ToolbarButton::Fraction, ToolbarButton::Power3,
                            ToolbarButton::Power2, ToolbarButton::ShowSolution, ToolbarButton::Power4})
        setButtonEnabled(b, false);
    setButtonEnabled(ToolbarButton::Teacher, true);
    showWindowRect(removeCaret(st.editor.caret));
    st.session.currentArea = 0;
    // A bubble left on the page would otherwise be "erased" later with the
    // working screen's pixels over the start screen.
    if (feedback_->bubbleShown()) feedback_->eraseBubble();
    // The start picture kept when the area was entered takes the working
    // picture's place; the working picture is let go.
    if (!startPicture_.isNull()) {
        picture_.swap(startPicture_);
        startPicture_ = QImage();
    }
    pictureView->update();
    areaLabel->hide();
    keypad->hide();
}

// --- Toolbar --------------------------------------------------------------

void MainWindow::toolbarReleased(ToolbarButton button) {
    createWindows();  // in case the start screen has not been painted yet
    const bool bubbleWasShown = button != ToolbarButton::ShowSolution && feedback_->bubbleShown();
    if (bubbleWasShown) feedback_->eraseBubble();
    ProgramState& st = program_.state;
    const SessionState& session = st.session;
    // The fraction and power buttons write only into a line being solved,
    // never into a sample solution on the page.
    const bool writing = session.currentArea != 0 && !session.solutionShown && !session.waitingForNextEquation;
    switch (button) {
        case ToolbarButton::Fraction:  // BitBtn3MouseUp
            if (writing) showEdit(fractionButtonReleased(st.editor, editorContext()));
            break;
        case ToolbarButton::Power2:  // BitBtn4MouseUp .. BitBtn6MouseUp
        case ToolbarButton::Power3:
        case ToolbarButton::Power4: {
            const int exponent = 2 + toolbarIndex(button) - toolbarIndex(ToolbarButton::Power2);
            if (writing) showEdit(powerButtonReleased(st.editor, editorContext(), static_cast<unsigned char>('0' + exponent)));
            break;
        }
        case ToolbarButton::Leave:
            // With a bubble shown, this press only erases it: the final
            // bubble's wait goes on to the next equation.
            if (!bubbleWasShown && session.currentArea != 0) returnToStartScreen();
            break;
        case ToolbarButton::ShowSolution:  // BitBtn2MouseUp
            flow_.showSolution();
            break;
        case ToolbarButton::Evaluation:
            // With a bubble shown, this press only erases it.
            if (!bubbleWasShown && windows_.evaluation)
                windows_.evaluation->showEvaluation(static_cast<uint8_t>(session.currentArea & 0xFF));
            break;
        case ToolbarButton::Help:
            if (!bubbleWasShown && windows_.help) windows_.help->showHelp();
            break;
        case ToolbarButton::Teacher:
            // The teacher's settings are reachable from the start screen only.
            if (session.currentArea == 0 && windows_.password && windows_.teacherMenu)
                openTeacherMenu(*windows_.password, *windows_.teacherMenu, program_.state.settings);
            break;
        default:
            break;
    }
}

// --- The step flow's screen -------------------------------------------------

void MainWindow::showLine(const DrawOps& ops) { showPictureRect(linePainter_->paintLine(ops)); }

void MainWindow::paint(const DrawOps& ops) { showPictureRect(paintOps(picture_, ops, linePainter_->metrics())); }

void MainWindow::clearWritingArea() { hooks_.clearWritingArea(); }

void MainWindow::drawRuledLines() {
    showPictureRect(linePainter_->drawRuledLines(program_.state.editor.pageLayout));
}

void MainWindow::scrollPage(const PictureBox& source, int32_t targetTop) {
    const QRect from(source.left, source.top, source.right - source.left, source.bottom - source.top);
    const QImage rows = picture_.copy(from);
    {
        QPainter p(&picture_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QPoint(source.left, targetTop), rows);
    }
    showPictureRect(from.united(QRect(QPoint(source.left, targetTop), from.size())));
}

void MainWindow::hideCaret() { showWindowRect(removeCaret(program_.state.editor.caret)); }

void MainWindow::hideKeypad() { keypad->hide(); }

void MainWindow::setShowSolutionEnabled(bool enabled) { setButtonEnabled(ToolbarButton::ShowSolution, enabled); }

void MainWindow::setToolbar(ToolbarState state) {
    setButtonEnabled(ToolbarButton::Fraction, state.fraction);
    for (ToolbarButton b : {ToolbarButton::Power2, ToolbarButton::Power3, ToolbarButton::Power4})
        setButtonEnabled(b, state.powers);
}

void MainWindow::showBubble(const std::string& line1, const std::string& line2, const std::string& line3) {
    feedback_->showBubble(line1, line2, line3);
}

void MainWindow::eraseBubble() { feedback_->eraseBubble(); }

bool MainWindow::bubbleShown() const { return feedback_->bubbleShown(); }

void MainWindow::waitForBubble() { feedback_->waitForBubble(); }

void MainWindow::startAnimation(int number) { feedback_->startAnimation(number); }

void MainWindow::showWarning(const std::string& text) { program_.warnings.showWarning(text); }

void MainWindow::createWindows() {
    if (windows_.teacherMenu) return;  // made once
    program_.warnings.dialog();  // "TFchyba"
    windows_.teacherMenu = new TeacherMenu(teacherData_, this);
    windows_.equationFiles = new EquationFilesWindow(teacherData_, this);
    windows_.gradeBoundaries = new GradeBoundariesDialog(teacherData_, this);
    windows_.evaluation = new EvaluationDialog(teacherData_, this);
    windows_.password = new PasswordWindow(this);
    windows_.help = new HelpWindow(this);
    windows_.teacherMenu->setWindows(windows_.password, windows_.gradeBoundaries, windows_.equationFiles);
}
