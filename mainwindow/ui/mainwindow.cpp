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

#include "engine/cp1250.h"
#include "engine/engine.h"
#include "engine/ui/qtext.h"
#include "feedback/ui/feedback.h"
#include "help/ui/helpwindow.h"
#include "mainwindow/startmenu.h"
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

QImage loadPicture(const QString& path) {
    QImage image(path);
    ensurePaintable(image);
    return image;
}

QSize primaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(800, 600);
}

QRect toQRect(const Rect& r) { return QRect(r.left, r.top, r.width, r.height); }

QString buttonName(ToolbarButton button) { return QStringLiteral("BitBtn%1").arg(toolbarIndex(button)); }

}  // namespace

MainWindow::MainWindow(Program& program, QSize screenSize, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      program_(program),
      screenSize_(screenSize.isValid() ? screenSize : primaryScreenSize()) {
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

    startPicture_ = loadPicture(QString::fromStdString(startPicturePath(sw)));
    if (startPicture_.isNull())
        return fail("Program Velmir rovnic bude ukončen, neotevřel se soubor system\\podklad.bmp resp "
                    "podklad800.bmp");
    dial_ = loadPicture(QStringLiteral("system/tachak.bmp"));
    if (dial_.isNull())
        return fail("Program Velmir rovnic bude ukončen, neotevřel se soubor system\\tachak.bmp");
    picture_ = startPicture_;

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
    feedback_->setAnimationTickHook([this] { program_.state.session.enterBusy = false; });

    createControls();
    placeControls();
    hooks_ = screenHooks();

    caretTimer.start();
    startupTimer.start();
    return true;
}

void MainWindow::createControls() {
    pictureView = new PictureView(&picture_, &program_.state.editor.caret, this);
    connect(pictureView, &PictureView::pressed, this, [this](QPoint point) {
        if (exerciseChooser->isHidden()) pressPoint = point;
    });
    connect(pictureView, &PictureView::moved, this, &MainWindow::pictureMouseMoved);
    connect(pictureView, &PictureView::clicked, this, [this] { pictureClicked(pressPoint); });

    areaLabel = new QLabel(QStringLiteral("Druh rovnic"), this);
    areaLabel->setObjectName(QStringLiteral("Panel2"));
    areaLabel->setAlignment(Qt::AlignCenter);
    areaLabel->setStyleSheet(QStringLiteral(
        "QLabel { background: #eef3fa; color: #0000c8; font-weight: bold; border: 1px solid #7f93ad; }"));
    areaLabel->hide();

    createToolbar();

    keypad = new QLabel(this);
    keypad->setObjectName(QStringLiteral("Image2"));
    keypad->setPixmap(QPixmap::fromImage(loadPicture(QStringLiteral("system/klavesnice.bmp"))));
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
        const QImage image = loadPicture(QStringLiteral("system/%1.bmp").arg(QLatin1String(s.file)));
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
    // Does nothing before the message loop runs; main() then reads ended().
    QCoreApplication::exit(code);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (feedback_) feedback_->stopAnimation();
    caretTimer.stop();
    QCoreApplication::processEvents();
    ended_ = true;
    event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !feedback_) return;
    // FormActivate.  The mascot's background is the start picture's piece
    // under it: taking it from the live picture could catch a frame of the
    // mascot itself.
    const QRect box = feedback_->mascot().rect();
    {
        QPainter p(&picture_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(box.topLeft(), startPicture_, box);
    }
    feedback_->captureMascotBackground();
    showPictureRect(box);
}

// --- Timers and keys ------------------------------------------------------

void MainWindow::caretTimerTick() {
    if (feedback_) feedback_->caretTimerTick();
    showWindowRect(caretTick(program_.state.editor.caret));
}

void MainWindow::keyPressEvent(QKeyEvent* event) { event->accept(); }

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    FormKeyUp();
}

void MainWindow::FormKeyUp() {
    if (program_.state.session.solutionShown) presentAgain();
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
    startArea(selectionScope(program_.state), session.menuChoice, hooks_);
}

void MainWindow::fillExerciseList() {
    exerciseList->clear();
    // Only names Windows-1250 can hold: the exercise is opened by that name,
    // and one turned into "?" could open a different file.
    exerciseFiles_ = listEquationFiles(".", {".cvc"});
    for (const ListedFile& file : exerciseFiles_) exerciseList->addItem(toQt(file.name));
}

void MainWindow::chooseExerciseRow(int row) {
    if (row >= 0 && row < static_cast<int>(exerciseFiles_.size())) chooseExercise(exerciseFiles_[row].name);
}

void MainWindow::chooseExercise(const std::string& fileName) {
    SessionState& session = program_.state.session;
    std::string name = fileName;
    if (name.size() > 255) name.resize(255);
    session.exerciseName = name;
    exerciseChooser->hide();
    setFocus();
    if (!name.empty()) startArea(selectionScope(program_.state), EXERCISE_AREA, hooks_);
}

void MainWindow::drawSpeedometer() {
    ProgramState& st = program_.state;
    const NeedleEnd end =
        needleEnd(statisticsOf(st.session, st.session.currentArea), st.settings.gradeBoundaries);
    showPictureRect(::drawSpeedometer(picture_, dial_, geometry_.dial, end));
}

void MainWindow::placeCaretAfterDrawing(bool atStart) {
    EditorState& ed = program_.state.editor;
    int32_t keypadTop = keypad->y();
    showWindowRect(moveCaret(ed, {geometry_.screen.pictureLeft, geometry_.screen.pictureTop}, atStart,
                             &keypadTop));
    if (!keypad->isHidden()) keypad->move(keypad->x(), keypadTop);
    // The caret comes back with the next tick.
    caretTimer.start();
}

void MainWindow::presentEquation() {
    ProgramState& st = program_.state;
    EditorState& ed = st.editor;
    drawSpeedometer();
    ed.fixedPrefix = 0;
    ed.checkPhase = false;

    const std::string equation = st.currentEquation.slot(0);
    {
        // Finding the letter must neither see nor leave an error code.
        const int32_t saved = errorCode;
        errorCode = 0;
        const char letter = findUnknown(normalise(equation));
        errorCode = saved;
        ed.unknownLetter = letter > ' ' ? letter : 'x';
    }

    ed.pageLayout = geometry_.equationLayout;
    ed.caretPos = 1;
    showPictureRect(linePainter_->layoutAndDraw(ed, equation));
    ed.lineCells = LineCells{};
    ed.pageLayout = geometry_.writingLayout;
    ed.writtenLine.clear();

    ed.allowedNext.set(static_cast<unsigned char>('x'));
    showPictureRect(linePainter_->drawRuledLines(ed.pageLayout));

    areaLabel->setText(toQt(areaName(st.session.currentArea, st.session.exerciseName)));
    areaLabel->show();
    setButtonEnabled(ToolbarButton::Fraction, true);
    setButtonEnabled(ToolbarButton::Leave, true);
    setButtonEnabled(ToolbarButton::ShowSolution, true);
    setButtonEnabled(ToolbarButton::Teacher, false);

    keypad->move(pictureView->x() + (pictureView->width() - keypad->width()) / 2, keypad->y());
    keypad->show();
    keypad->raise();

    ed.caret.active = true;  // caretPos is 1 since the equation was laid out
    placeCaretAfterDrawing(false);

    QCoreApplication::processEvents();
    feedback_->saveBubbleBackground();
}

void MainWindow::presentAgain() {
    ProgramState& st = program_.state;
    setButtonEnabled(ToolbarButton::ShowSolution, true);
    st.session.solutionShown = false;
    pictureView->setCursor(Qt::ArrowCursor);
    showPictureRect(linePainter_->clearEquationBand(geometry_.equationBand));
    showPictureRect(linePainter_->clearWritingArea(geometry_.writingArea, st.editor.pageLayout));
    presentEquation();
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
    // The start picture kept from start-up is the file as loaded.
    picture_ = startPicture_;
    pictureView->update();
    areaLabel->hide();
    keypad->hide();
}

// --- Toolbar --------------------------------------------------------------

void MainWindow::toolbarReleased(ToolbarButton button) {
    const bool bubbleWasShown = button != ToolbarButton::ShowSolution && feedback_->bubbleShown();
    if (bubbleWasShown) feedback_->eraseBubble();
    const SessionState& session = program_.state.session;
    switch (button) {
        case ToolbarButton::Leave:
            if (session.currentArea != 0) returnToStartScreen();
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
            // The sample solution, fractions and powers come with the editor.
            break;
    }
}

void MainWindow::createWindows() {
    program_.warnings.dialog();  // "TFchyba"
    windows_.teacherMenu = new TeacherMenu(teacherData_, this);
    windows_.equationFiles = new EquationFilesWindow(teacherData_, this);
    windows_.gradeBoundaries = new GradeBoundariesDialog(teacherData_, this);
    windows_.evaluation = new EvaluationDialog(teacherData_, this);
    windows_.password = new PasswordWindow(this);
    windows_.help = new HelpWindow(this);
    windows_.teacherMenu->setWindows(windows_.password, windows_.gradeBoundaries, windows_.equationFiles);
}
