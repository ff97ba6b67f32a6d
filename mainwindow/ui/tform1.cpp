#include "mainwindow/ui/tform1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "engine/cp1250.h"
#include "engine/engine.h"
#include "feedback/ui/feedback.h"
#include "mainwindow/programstate.h"
#include "mainwindow/startmenu.h"
#include "mainwindow/ui/qtext.h"
#include "mainwindow/ui/speedometerview.h"
#include "mainwindow/ui/startupmessage.h"

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

}  // namespace

// --- Image1 ---------------------------------------------------------------

PictureView::PictureView(TForm1* form, QImage* picture) : QWidget(form), form_(form), picture_(picture) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    p.drawImage(r.topLeft(), *picture_, r);
    // The caret lives in window coordinates.
    p.translate(-x(), -y());
    paintCaret(p, state().editor.caret);
}

void PictureView::mousePressEvent(QMouseEvent* event) {
    if (form_->Panel1->isHidden()) form_->pressPoint = event->position().toPoint();
}

void PictureView::mouseMoveEvent(QMouseEvent* event) { form_->pictureMouseMoved(event->position().toPoint()); }

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
    form_->Image1Click(form_->pressPoint);
}

// --- Toolbar pictures -----------------------------------------------------

PictureButton::PictureButton(const QImage& picture, const QString& tip, QWidget* parent)
    : QAbstractButton(parent), picture_(picture) {
    setFocusPolicy(Qt::NoFocus);
    setToolTip(tip);
    setCursor(Qt::ArrowCursor);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), SILVER);
    if (!isEnabled()) p.setOpacity(0.35);
    const int shift = isDown() ? 1 : 0;
    if (picture_.isNull()) {
        p.setPen(Qt::darkGray);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    } else {
        p.drawImage(QRect(shift, shift, width(), height()), picture_);
    }
}

// --- TForm1 ---------------------------------------------------------------

TForm1::TForm1(QSize screenSize, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
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

    Timer1.setInterval(300);
    start.setInterval(500);
    start.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(&start, &QTimer::timeout, this, &TForm1::startTimer);

    created_ = FormCreate();
}

TForm1::~TForm1() {
    Timer1.stop();
    start.stop();
    if (feedback_) feedback_->stopAnimation();
}

bool TForm1::FormCreate() {
    move(0, 0);
    const int sw = screenSize_.width();
    const int sh = screenSize_.height();
    auto fail = [this](const char* utf8) {
        Timer1.stop();
        start.stop();
        showStartupMessage(w1250(utf8));
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
    ProgramState& st = state();
    st.session.geometry = geometry_.screen;
    st.editor.pageLayout = geometry_.writingLayout;
    st.editor.caret = geometry_.caret;
    st.currentEquation = initialEquation();
    setFixedSize(geometry_.windowWidth, geometry_.windowHeight);

    linePainter_ = std::make_unique<LinePainter>(picture_);
    feedback_ = std::make_unique<Feedback>(
        &picture_, geometry_.screen.scaleX, geometry_.screen.scaleY,
        [this](const QRect& r) { showPictureRect(r); });
    feedback_->setCaretTimer(&Timer1);
    feedback_->setAnimationTickHook([] { state().session.enterBusy = false; });

    createControls();
    placeControls();
    hooks_ = screenHooks();

    Timer1.start();
    start.start();
    return true;
}

void TForm1::createControls() {
    Image1 = new PictureView(this, &picture_);

    Panel2 = new QLabel(QStringLiteral("Druh rovnic"), this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setAlignment(Qt::AlignCenter);
    Panel2->setStyleSheet(QStringLiteral(
        "QLabel { background: #eef3fa; color: #0000c8; font-weight: bold; border: 1px solid #7f93ad; }"));
    Panel2->hide();

    auto* solution = new QPushButton(QStringLiteral("Ukázat řešení"), this);
    solution->setObjectName(QStringLiteral("BitBtn2"));
    solution->setFocusPolicy(Qt::NoFocus);
    bitBtn[2] = solution;
    struct PictureSpec {
        int k;
        const char* file;
        const char* tip;
    };
    const PictureSpec pictures[] = {
        {3, "zlomek", "Zlomek"},           {4, "mocnina2", "Druhá mocnina"},
        {5, "mocnina3", "Třetí mocnina"}, {6, "mocnina4", "Čtvrtá mocnina"},
        {7, "hodnoceni", "Hodnocení"},     {8, "napoveda", "Nápověda"},
        {9, "ucitel", "Nastavení pro učitele"}, {10, "konec", "Zpět na výběr rovnic"},
    };
    for (const PictureSpec& s : pictures) {
        const QImage image = loadPicture(QStringLiteral("system/%1.bmp").arg(s.file));
        auto* button = new PictureButton(image, QString::fromUtf8(s.tip), this);
        button->setObjectName(QStringLiteral("BitBtn%1").arg(s.k));
        bitBtn[s.k] = button;
    }
    for (int k = 2; k <= 10; ++k) {
        bitBtn[k]->resize(25, 25);
        connect(bitBtn[k], &QAbstractButton::clicked, this, [this, k] { toolbarReleased(k); });
    }
    bitBtn[2]->resize(113, 25);
    // The start screen's states.
    for (int k : {2, 3, 4, 5, 6, 10}) setButtonEnabled(k, false);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(QPixmap::fromImage(loadPicture(QStringLiteral("system/klavesnice.bmp"))));
    Image2->hide();

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    Panel1->setAutoFillBackground(true);
    // The chooser in the start screen's own colours, with names large enough
    // to hit on a board.
    Panel1->setStyleSheet(QStringLiteral(
        "QFrame#Panel1 { background: #eef3fa; border: 2px solid #5b7fb0; border-radius: 6px; }"
        "QLabel { color: #1f3f6e; font-weight: bold; font-size: 14px; }"
        "QListWidget { background: white; border: 1px solid #9fb3cf; font-size: 15px; }"
        "QListWidget::item { padding: 4px; }"
        "QListWidget::item:hover { background: #dce8f7; }"));
    Label1 = new QLabel(QStringLiteral("Kliknutím vyber cvičení, které chceš dělat."), Panel1);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    FileListBox1 = new QListWidget(Panel1);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    BitBtn1 = new QPushButton(QStringLiteral("Storno"), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setFocusPolicy(Qt::NoFocus);
    connect(FileListBox1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseExercise(item->text()); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        Panel1->hide();
        setFocus();
    });
    Panel1->hide();
}

void TForm1::placeControls() {
    const MainWindowGeometry& g = geometry_;
    Image1->setGeometry(g.screen.pictureLeft, g.screen.pictureTop, picture_.width(), picture_.height());
    Image1->lower();
    for (int k = 2; k <= 10; ++k) bitBtn[k]->setGeometry(toQRect(g.bitBtn[k]));
    Panel2->setGeometry(toQRect(g.panel2));
    Image2->setGeometry(toQRect(g.keypad));
    const QRect chooser = toQRect(g.panel1);
    Panel1->setGeometry(chooser);
    Label1->setGeometry(12, 10, chooser.width() - 24, 40);
    FileListBox1->setGeometry(12, 56, chooser.width() - 24, chooser.height() - 56 - 48);
    BitBtn1->setGeometry((chooser.width() - 90) / 2, chooser.height() - 38, 90, 27);
}

SelectionHooks TForm1::screenHooks() {
    SelectionHooks hooks = fileSelectionHooks();
    hooks.showWarning = [](const std::string& text) { ::showWarning(text); };
    hooks.stopSound = [] {
        if (SoundPlayer* player = soundPlayer()) player->stop();
    };
    hooks.normalCursor = [this] { Image1->setCursor(Qt::ArrowCursor); };
    hooks.clearEquationBand = [this] { showPictureRect(linePainter_->clearEquationBand(geometry_.screen)); };
    hooks.clearWritingArea = [this] {
        showPictureRect(linePainter_->clearWritingArea(geometry_.screen, state().editor.pageLayout));
    };
    hooks.presentEquation = [this] { presentEquation(); };
    hooks.returnToStartScreen = [this] { returnToStartScreen(); };
    return hooks;
}

void TForm1::showPictureRect(const QRect& rect) {
    if (Image1 && !rect.isEmpty()) Image1->update(rect);
}

void TForm1::showWindowRect(const QRect& rect) {
    if (Image1) showPictureRect(rect.translated(-Image1->pos()));
}

void TForm1::setButtonEnabled(int k, bool enabled) { bitBtn[k]->setEnabled(enabled); }

// --- Start-up and end -----------------------------------------------------

void TForm1::startTimer() {
    start.stop();
    if (ended_) return;
    if (screenTooSmallAtStart(screenSize_.width(), screenSize_.height())) {
        showWarning(w1250("Nastavení obrazovky je menší než 800x600. Program bude ukončen."));
        endProgram(1);
        return;
    }
    ProgramState& st = state();
    const std::string settingsProblem = loadSettings(st.settings);
    if (!settingsProblem.empty()) {
        showWarning(settingsProblem);
        endProgram(1);
        return;
    }
    for (int index = 1; index <= AREA_COUNT; ++index) {
        const int32_t code = areaCodeOf(index);
        if (isGroupHeading(code) || code == EXERCISE_AREA) continue;
        uint8_t count = 0;
        const FileResult counted = countEquations(code, count);
        if (!counted.ok) {
            showWarning(counted.message);
            endProgram(1);
            return;
        }
        st.session.areaCounts[index] = count;
    }
    feedback_->captureMascotBackground();
    feedback_->startAnimation(0);
}

void TForm1::endProgram(int code) {
    ended_ = true;
    exitCode_ = code;
    Timer1.stop();
    start.stop();
    close();
    // Does nothing before the message loop runs; main() then reads ended().
    QCoreApplication::exit(code);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (feedback_) feedback_->stopAnimation();
    Timer1.stop();
    QCoreApplication::processEvents();
    ended_ = true;
    event->accept();
}

void TForm1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !feedback_) return;
    // The mascot's background is the start picture's piece under it: taking
    // it from the live picture could catch a frame of the mascot itself.
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

void TForm1::Timer1Timer() {
    if (feedback_) feedback_->Timer1Timer();
    showWindowRect(caretTick(state().editor.caret));
}

void TForm1::keyPressEvent(QKeyEvent* event) { event->accept(); }

void TForm1::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    FormKeyUp();
}

void TForm1::FormKeyUp() {
    if (state().session.solutionShown) presentAgain();
}

// --- Start screen ---------------------------------------------------------

void TForm1::pictureMouseMoved(QPoint point) {
    const bool onItem = Panel1->isHidden() &&
                        menuItemAt(point.x(), point.y(), picture_.width(), picture_.height(),
                                   state().session.currentArea) != 0;
    Image1->setCursor(onItem ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TForm1::Image1Click(QPoint press) {
    SessionState& session = state().session;
    if (session.solutionShown) {
        presentAgain();
        return;
    }
    if (feedback_->bubbleShown()) feedback_->eraseBubble();
    if (press.x() < 100 && press.y() < 100) feedback_->replayLastAnimation();
    if (!Panel1->isHidden()) return;

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
        Image1->setCursor(Qt::ArrowCursor);
        Panel1->show();
        Panel1->raise();
        return;
    }
    startArea(selectionScope(state()), session.menuChoice, hooks_);
}

void TForm1::fillExerciseList() {
    FileListBox1->clear();
    QDir here(QStringLiteral("."));
    const QStringList names =
        here.entryList({QStringLiteral("*.cvc")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    FileListBox1->addItems(names);
}

void TForm1::chooseExercise(const QString& fileName) {
    SessionState& session = state().session;
    std::string name = fromQt(fileName);
    if (name.size() > 255) name.resize(255);
    session.exerciseName = name;
    Panel1->hide();
    setFocus();
    if (!name.empty()) startArea(selectionScope(state()), EXERCISE_AREA, hooks_);
}

void TForm1::drawSpeedometer() {
    ProgramState& st = state();
    const NeedleEnd end =
        needleEnd(statisticsOf(st.session, st.session.currentArea), st.settings.gradeBoundaries);
    showPictureRect(::drawSpeedometer(picture_, dial_, geometry_.dial, end));
}

void TForm1::placeCaretAfterDrawing(bool atStart) {
    EditorState& ed = state().editor;
    int32_t keypadTop = Image2->y();
    showWindowRect(moveCaret(ed, {geometry_.screen.pictureLeft, geometry_.screen.pictureTop}, atStart,
                             &keypadTop));
    if (!Image2->isHidden()) Image2->move(Image2->x(), keypadTop);
    // The caret comes back with the next tick.
    Timer1.start();
}

void TForm1::presentEquation() {
    ProgramState& st = state();
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

    Panel2->setText(toQt(areaName(st.session.currentArea, st.session.exerciseName)));
    Panel2->show();
    setButtonEnabled(3, true);
    setButtonEnabled(10, true);
    setButtonEnabled(2, true);
    setButtonEnabled(9, false);

    Image2->move(Image1->x() + (Image1->width() - Image2->width()) / 2, Image2->y());
    Image2->show();
    Image2->raise();

    ed.caret.active = true;  // caretPos is 1 since the equation was laid out
    placeCaretAfterDrawing(false);

    QCoreApplication::processEvents();
    feedback_->saveBubbleBackground();
}

void TForm1::presentAgain() {
    ProgramState& st = state();
    setButtonEnabled(2, true);
    st.session.solutionShown = false;
    Image1->setCursor(Qt::ArrowCursor);
    showPictureRect(linePainter_->clearEquationBand(geometry_.screen));
    showPictureRect(linePainter_->clearWritingArea(geometry_.screen, st.editor.pageLayout));
    presentEquation();
}

void TForm1::returnToStartScreen() {
    ProgramState& st = state();
    st.session.solutionShown = false;
    for (int k : {10, 3, 5, 4, 2, 6}) setButtonEnabled(k, false);
    setButtonEnabled(9, true);
    showWindowRect(removeCaret(st.editor.caret));
    st.session.currentArea = 0;
    // A bubble left on the page would otherwise be "erased" later with the
    // working screen's pixels over the start screen.
    if (feedback_->bubbleShown()) feedback_->eraseBubble();
    // The start picture kept from start-up is the file as loaded.
    picture_ = startPicture_;
    Image1->update();
    Panel2->hide();
    Image2->hide();
}

// --- Toolbar --------------------------------------------------------------

void TForm1::toolbarReleased(int k) {
    if (k != 2 && feedback_->bubbleShown()) feedback_->eraseBubble();
    switch (k) {
        case 10:
            if (state().session.currentArea != 0) returnToStartScreen();
            break;
        default:
            // The sample solution, fractions, powers, the evaluation, help
            // and the teacher's settings open their own windows.
            break;
    }
}
