// The real main window: start-up, the start screen, presenting and leaving.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <string>
#include <vector>

#include <sys/stat.h>

#include "engine/cp1250.h"
#include "engine/ui/qtext.h"
#include "feedback/ui/feedback.h"
#include "mainwindow/ui/keypadview.h"
#include "mainwindow/ui/mainwindow.h"
#include "mainwindow/ui/pictureview.h"
#include "help/ui/helpwindow.h"
#include "mainwindow/ui/program.h"
#include "teacher/ui/equationfileswindow.h"
#include "teacher/ui/evaluationdialog.h"
#include "teacher/ui/passwordwindow.h"
#include "teacher/ui/teachermenuwindow.h"
#include "tests/mainwindow/runtimefolder.h"
#include "tests/support/testfiles.h"
#include "tests/support/whenshown.h"

namespace {

using cp1250::w1250;

// Disabled on the start screen.
const std::initializer_list<ToolbarButton> START_SCREEN_OFF = {
    ToolbarButton::ShowSolution, ToolbarButton::Fraction, ToolbarButton::Power2,
    ToolbarButton::Power3,       ToolbarButton::Power4,   ToolbarButton::Leave};

// Puts something damaged in place of a file of the runtime folder for one
// case (or takes it away), and the file back afterwards.
class DamagedFile {
public:
    enum Kind { Missing, WrongSize, Truncated, Pipe, Folder, Zeros };
    DamagedFile(const char* name, Kind kind, QSize size) : name_(QString::fromLatin1(name ? name : "")) {
        if (name_.isEmpty()) return;
        const std::string bytes = readBytes(name);
        EXPECT_TRUE(QFile::rename(name_, away()));
        switch (kind) {
        case Missing: break;
        case WrongSize: {
            QImage other(size, QImage::Format_RGB32);
            other.fill(Qt::darkGreen);
            EXPECT_TRUE(other.save(name_, "BMP"));
            break;
        }
        case Truncated: writeBytes(name, bytes.substr(0, bytes.size() / 2)); break;
        case Zeros: writeBytes(name, std::string(bytes.size(), '\0')); break;
        case Pipe: EXPECT_EQ(::mkfifo(QFile::encodeName(name_).constData(), 0600), 0); break;
        case Folder: EXPECT_TRUE(QDir().mkdir(name_)); break;
        }
    }
    ~DamagedFile() {
        if (name_.isEmpty()) return;
        QDir().rmdir(name_);
        QFile::remove(name_);
        EXPECT_TRUE(QFile::rename(away(), name_));
    }

private:
    QString away() const { return name_ + QStringLiteral(".away"); }
    QString name_;
};

// --- Start-up ------------------------------------------------------------

// Failures while the window is laid out come as message boxes, before the
// start timer could fire; those of the start timer through the warning
// dialog.  Either ends the program with code 1.  A picture of another size
// would put the menu and "Konec" out of reach, and one cut short would be
// drawn half black: each counts as missing.  Pipes and folders never block
// the start.  A mascot frame, the bubble or a button's picture is left
// undrawn (the bubble drawn in code); a damaged animation script is told
// once, and the program goes on.
TEST_F(RuntimeFolder, EveryMissingOrDamagedFileGivesItsMessageOnce) {
    enum Stage { AtCreation, AtStart, GoesOn };
    const char* startPicture =
        "Program Velmir rovnic bude ukončen, neotevřel se soubor system\\podklad.bmp resp podklad800.bmp";
    const char* dial = "Program Velmir rovnic bude ukončen, neotevřel se soubor system\\tachak.bmp";
    const char* keypad = "Program Velmir rovnic bude ukončen, neotevřel se soubor system\\klavesnice.bmp";
    const char* r11 = "Soubor  r11.dat  se nepodařilo otevřít. Program bude ukončen.";
    const char* settings = " Soubor POM.CFG se nepodařilo otevřít!";
    const char* script = "Nepodařilo se číst ze souboru AN.DAX. Velmir se neukáže.";
    using D = DamagedFile;
    const QSize big(1024, 768), small(800, 600);
    const struct {
        QSize screen;
        const char* file;
        DamagedFile::Kind kind;
        QSize size;
        Stage stage;
        const char* message;  // none: nothing is said
    } cases[] = {
        {QSize(798, 600), nullptr, D::Missing, {}, AtCreation,
         "Program Velmir rovnic bude ukončen, minimální rozlišení musí být 800x600"},
        {QSize(800, 560), nullptr, D::Missing, {}, AtStart,
         "Nastavení obrazovky je menší než 800x600. Program bude ukončen."},
        {big, "system/podklad.bmp", D::Missing, {}, AtCreation, startPicture},
        {big, "system/podklad.bmp", D::WrongSize, QSize(10, 10), AtCreation, startPicture},
        {big, "system/podklad.bmp", D::WrongSize, QSize(1280, 720), AtCreation, startPicture},
        {QSize(1920, 1080), "system/podklad.bmp", D::WrongSize, QSize(1920, 1080), AtCreation, startPicture},
        {big, "system/podklad.bmp", D::Truncated, {}, AtCreation, startPicture},
        {big, "system/podklad.bmp", D::Pipe, {}, AtCreation, startPicture},
        {small, "system/podklad800.bmp", D::Missing, {}, AtCreation, startPicture},
        {small, "system/podklad800.bmp", D::WrongSize, big, AtCreation, startPicture},
        {big, "system/tachak.bmp", D::Missing, {}, AtCreation, dial},
        {big, "system/tachak.bmp", D::WrongSize, QSize(77, 78), AtCreation, dial},
        {big, "system/tachak.bmp", D::Zeros, {}, AtCreation, dial},
        {big, "system/klavesnice.bmp", D::Truncated, {}, AtCreation, keypad},
        {big, "system/klavesnice.bmp", D::Pipe, {}, AtCreation, keypad},
        {big, "system/velmir02.bmp", D::Pipe, {}, GoesOn, nullptr},
        {big, "system/bublina.bmp", D::Pipe, {}, GoesOn, nullptr},
        {big, "system/bublina.bmp", D::Truncated, {}, GoesOn, nullptr},
        {big, "system/konec.bmp", D::Pipe, {}, GoesOn, nullptr},
        {big, "POM.CFG", D::Missing, {}, AtStart, settings},
        {big, "POM.CFG", D::Pipe, {}, AtStart, settings},
        {big, "r11.dat", D::Folder, {}, AtStart, r11},
        {big, "r11.dat", D::Pipe, {}, AtStart, r11},
        {big, "AN.DAX", D::Pipe, {}, GoesOn, script},
        {big, "AN.DAX", D::Folder, {}, GoesOn, script},
        {big, "AN.DAX", D::Zeros, {}, GoesOn, "Chybně zapsaná animace."},
        // Last: the counting of the areas is looked at afterwards.
        {big, "r23.dat", D::Missing, {}, AtStart, "Soubor  r23.dat  se nepodařilo otevřít. Program bude ukončen."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file ? c.file : "screen") + " kind " + std::to_string(c.kind));
        initSessionState(program_.state);
        boxes_.clear();
        warnings_.clear();
        const DamagedFile damaged(c.file, c.kind, c.size);
        {
            MainWindow form(program_, c.screen);
            const bool created = c.stage != AtCreation;
            EXPECT_EQ(std::make_tuple(form.created(), form.startupTimer.isActive(),
                                      !created && form.caretTimer.isActive()),
                      std::make_tuple(created, created, false));
            if (created) form.finishStartUp();
            EXPECT_EQ(form.ended(), c.stage != GoesOn);
            if (form.ended()) {
                EXPECT_EQ(std::make_tuple(form.exitCode(), form.startupTimer.isActive()), std::make_tuple(1, false));
            } else {
                // The mascot is asked for every animation there is, and more than once.
                for (int n = 0; n <= 17; ++n) form.feedback()->startAnimation(n / 2);
                form.feedback()->showBubble(w1250("Ahoj"));
                form.feedback()->eraseBubble();
                EXPECT_EQ(form.pictureView->size(), QSize(1024, 768));
            }
            if (form.created()) form.feedback()->stopAnimation();
        }
        const std::vector<std::string> said = c.message ? std::vector<std::string>{w1250(c.message)}
                                                        : std::vector<std::string>{};
        EXPECT_EQ(c.stage == AtCreation ? boxes_ : warnings_, said);
        EXPECT_TRUE((c.stage == AtCreation ? warnings_ : boxes_).empty());
    }
    // Counting stopped at the missing file: the areas before it were counted,
    // those after it were not.
    const SessionState& s = state().session;
    EXPECT_EQ(std::make_tuple(s.areaCounts[areaIndexOf(22)], s.areaCounts[areaIndexOf(31)]), std::make_tuple(30, 0));
}

TEST_F(RuntimeFolder, SuccessfulStartCountsEveryAreaAndReadsTheSettings) {
    auto form = startedWindow();
    EXPECT_TRUE(warnings_.empty());
    const SessionState& s = state().session;
    for (int code : {11, 12, 13, 14, 21, 22, 23, 31, 32, 33, 41, 42, 43, 51, 52, 61})
        EXPECT_GE(s.areaCounts[areaIndexOf(code)], 27) << code;
    EXPECT_EQ(std::make_tuple(s.areaCounts[areaIndexOf(10)], s.areaCounts[areaIndexOf(71)],
                              state().settings.gradeBoundaries[0], form->size()),
              std::make_tuple(0, 0, 85, QSize(1024, 768)));
    // The start screen's buttons.
    expectEnabled(*form, START_SCREEN_OFF, false);
    expectEnabled(*form, {ToolbarButton::Evaluation, ToolbarButton::Help, ToolbarButton::Teacher}, true);
}

TEST_F(RuntimeFolder, WideScreenCentresThePictureAndScalesTheToolbar) {
    auto form = startedWindow(QSize(1280, 1024));
    // The leave button at design 664, 72; the chooser opens over the picture, not beside it.
    EXPECT_EQ(std::make_tuple(form->size(), form->pictureView->geometry(), form->leaveButton->pos(),
                              QRect(128, 128, 1024, 768).contains(form->exerciseChooser->geometry())),
              std::make_tuple(QSize(1280, 1024), QRect(128, 128, 1024, 768), QPoint(128 + 850, 128 + 92), true));
}

// --- Start screen and presenting -----------------------------------------

TEST_F(RuntimeFolder, ClickingAnAreaPresentsItsEquationAndLeavingRestoresTheStartScreen) {
    auto form = startedWindow();
    const QImage before = form->picture().copy();
    const QRect mascot = form->feedback()->mascot().rect();

    // Picture point 300, 170 on the 1024 picture is design point 234, 133: "Nejlehčí 1".
    click(*form, QPoint(300, 170));
    const ProgramState& st = state();
    // Area, label, keypad and caret shown, in that order.
    auto shown = [&] {
        return std::make_tuple(st.session.currentArea, form->areaLabel->isVisibleTo(form.get()),
                               form->keypad->isVisibleTo(form.get()), st.editor.caret.active);
    };
    EXPECT_EQ(std::make_tuple(shown(), fromQt(form->areaLabel->text()), form->keypad->x(), st.editor.writtenLine),
              std::make_tuple(std::make_tuple(11, true, true, true), w1250("Nejlehčí 1"), (1024 - 441) / 2, ""));
    expectEnabled(*form, {ToolbarButton::ShowSolution, ToolbarButton::Fraction, ToolbarButton::Leave}, true);
    expectEnabled(*form, {ToolbarButton::Teacher}, false);

    // The equation is drawn in its band and the page is ruled white.
    const QImage& now = form->picture();
    const MainWindowGeometry& g = form->geometry();
    const QRect band(roundHalfEven(73 * g.screen.scaleX) + 41, roundHalfEven(7 * g.screen.scaleY),
                     roundHalfEven(586 * g.screen.scaleX), roundHalfEven(54 * g.screen.scaleY));
    EXPECT_GT(darkPixels(now, band), 50);
    const int left = g.screen.writingLeft + 20, top = g.screen.writingTop;
    EXPECT_EQ(now.pixel(left, top + 20), qRgb(255, 255, 255));
    // The keypad follows the caret: just below its line.
    EXPECT_EQ(form->keypad->y(), st.editor.caret.y + 55);

    form->toolbarReleased(ToolbarButton::Leave);
    EXPECT_EQ(shown(), std::make_tuple(0, false, false, false));
    expectEnabled(*form, START_SCREEN_OFF, false);
    expectEnabled(*form, {ToolbarButton::Teacher}, true);
    // Statistics and the selection are kept for the next visit.
    EXPECT_EQ(std::make_tuple(differingPixels(before, form->picture(), mascot), state().selection.currentPick.code),
              std::make_tuple(0, 11));
}

TEST_F(RuntimeFolder, HandCursorOnlyOverItemsOfTheStartScreen) {
    auto form = startedWindow(QSize(800, 600));
    auto move = [&](QPoint p) {
        QMouseEvent event(QEvent::MouseMove, QPointF(p), form->pictureView->mapToGlobal(QPointF(p)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(form->pictureView, &event);
        return form->pictureView->cursor().shape();
    };
    EXPECT_EQ(std::make_tuple(move(QPoint(250, 140)), move(QPoint(20, 590))),
              std::make_tuple(Qt::PointingHandCursor, Qt::ArrowCursor));
    click(*form, QPoint(250, 140));
    EXPECT_EQ(move(QPoint(250, 140)), Qt::ArrowCursor);
}

// Where a click on the start screen leads: a group heading to its first
// area, the mascot's corner to the last animation again, "Konec" to the end.
TEST_F(RuntimeFolder, StartScreenClicksLeadWhereTheirItemsSay) {
    const struct {
        QPoint at;  // on the 800 x 600 picture
        int area;
        bool replays, ends;
    } clicks[] = {
        {{90, 215}, 21, false, false},  // "Lehké"
        {{117, 117}, 0, false, false},  // outside the mascot's corner and every item
        {{40, 40}, 0, true, false},
        {{700, 555}, 0, false, true},   // "Konec"
    };
    for (const auto& c : clicks) {
        SCOPED_TRACE(testing::Message() << c.at.x() << ", " << c.at.y());
        auto form = startedWindow(QSize(800, 600));
        Animation& animation = form->feedback()->animation();
        ASSERT_EQ(animation.lastAnimation().number, 0);  // the greeting
        ASSERT_FALSE(animation.timerRunning());
        click(*form, c.at);
        EXPECT_EQ(std::make_tuple(state().session.currentArea, form->ended(), animation.lastAnimation().number),
                  std::make_tuple(c.area, c.ends, 0));
        if (c.area) { EXPECT_EQ(fromQt(form->areaLabel->text()), w1250("Lehké 1")); }
        if (!c.area) { EXPECT_EQ(animation.timerRunning(), c.replays); }
        if (!c.ends) continue;
        EXPECT_EQ(form->exitCode(), 0);
        // Ended with no loop running: a loop started later (a dialog's) still
        // runs until it is itself ended.
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&loop] { loop.exit(7); });
        EXPECT_EQ(loop.exec(), 7);
    }
}

// While the start screen is shown the window holds one full-screen picture;
// entering an area keeps the start picture once, and every return gives it
// back exactly as the file holds it, also after an area that could not start.
TEST_F(RuntimeFolder, StartScreenHoldsOnePictureAndComesBackExactly) {
    for (const QSize screen : {QSize(800, 600), QSize(1024, 768)}) {
        SCOPED_TRACE(screen.width());
        auto form = startedWindow(screen);
        Feedback& feedback = *form->feedback();
        const QImage file = startPictureFile(screen.width());
        const QRect mascot = feedback.mascot().rect();
        const QPoint area(screen.width() * 250 / 800, screen.height() * 140 / 600);
        for (int visit = 0; visit < 2; ++visit) {
            feedback.drawMascotFrame(2);  // a frame of the mascot in the picture
            EXPECT_FALSE(form->startPictureKept());
            click(*form, area);
            ASSERT_NE(state().session.currentArea, 0);
            EXPECT_TRUE(form->startPictureKept());
            feedback.drawMascotFrame(3);
            feedback.showBubble(w1250("Ahoj"));
            form->toolbarReleased(ToolbarButton::Leave);  // only erases the bubble
            EXPECT_TRUE(form->startPictureKept());
            form->toolbarReleased(ToolbarButton::Leave);
            EXPECT_EQ(std::make_tuple(form->startPictureKept(), differingPixels(file, form->picture())),
                      std::make_tuple(false, 0));
        }
        form->chooseExercise("zmizele.cvc");
        EXPECT_EQ(std::make_tuple(state().session.currentArea, form->startPictureKept(),
                                  differingPixels(file, form->picture(), mascot)),
                  std::make_tuple(0, false, 0));
    }
}

// A screen too low for the large picture gets the small one, whole and
// centred, so the menu and "Konec" are on the screen.
TEST_F(RuntimeFolder, AScreenTooSmallForTheLargePictureShowsTheSmallOneWhole) {
    auto form = startedWindow(QSize(1024, 600));
    EXPECT_EQ(std::make_tuple(form->size(), form->pictureView->geometry(),
                              differingPixels(startPictureFile(800), form->picture(),
                                              form->feedback()->mascot().rect())),
              std::make_tuple(QSize(1024, 600), QRect(112, 0, 800, 600), 0));
}

// (A key does the same: the solving tests.)
TEST_F(RuntimeFolder, AfterASampleSolutionAClickPresentsTheEquationAgain) {
    auto form = areaWindow(QSize(800, 600));
    const QImage presented = form->picture().copy();
    const std::string equation = state().currentEquation.slot(0);

    // Something written on the page, as a sample solution would.
    form->picture().fill(Qt::red);
    state().session.solutionShown = true;
    form->showSolutionButton->setEnabled(false);
    click(*form, QPoint(700, 555));  // even on the exit item
    EXPECT_EQ(std::make_tuple(form->ended(), state().session.solutionShown, form->showSolutionButton->isEnabled(),
                              state().currentEquation.slot(0)),
              std::make_tuple(false, false, true, equation));
    const MainWindowGeometry& g = form->geometry();
    const QRect page(g.screen.writingLeft, g.screen.writingTop, g.screen.writingRight - g.screen.writingLeft,
                     g.screen.writingBottom - g.screen.writingTop);
    EXPECT_EQ(differingPixels(presented.copy(page), form->picture().copy(page)), 0);
}

// --- Bubble and speedometer ------------------------------------------------

TEST_F(RuntimeFolder, BubbleIsErasedPixelForPixelAndBeforeTheNextClick) {
    auto form = areaWindow();
    const QImage presented = form->picture().copy();
    Feedback& feedback = *form->feedback();
    const QRect bubble = feedback.bubble().rect();

    feedback.showBubble(w1250("Chyba v řádku,"), w1250("zkus to znovu."), w1250("Ťukni sem."));
    EXPECT_EQ(std::make_tuple(feedback.bubbleShown(), differingPixels(presented, form->picture(), bubble)),
              std::make_tuple(true, 0));
    EXPECT_GT(differingPixels(presented.copy(bubble), form->picture().copy(bubble)), 100);

    // A click on the picture erases it first.
    click(*form, QPoint(600, 500));
    EXPECT_EQ(std::make_tuple(feedback.bubbleShown(), differingPixels(presented, form->picture())),
              std::make_tuple(false, 0));
}

TEST_F(RuntimeFolder, SpeedometerNeedleFollowsTheAreasSteps) {
    auto form = areaWindow(QSize(800, 600));
    const DialGeometry& d = form->geometry().dial;
    auto needleAt = [&](int x, int y) { return qGray(form->picture().pixel(d.dialLeft + x, d.dialTop + y)) < 60; };
    // No step yet: the rest position at the left.
    EXPECT_TRUE(needleAt(12, 33));
    state().settings.gradeBoundaries = {80, 60, 40, 20};
    statisticsOf(state().session, 11) = {0, 5, statisticsOf(state().session, 11).solvedEquations};
    form->drawSpeedometer();
    EXPECT_EQ(std::make_tuple(needleAt(66, 33), needleAt(12, 33)), std::make_tuple(true, false));
}

TEST_F(RuntimeFolder, TeacherBuildsAnExerciseThatThePupilThenChooses) {
    auto form = startedWindow(QSize(800, 600));
    form->createWindows();
    const ProgramWindows& windows = form->windows();
    PasswordWindow& password = *windows.password;
    TeacherMenu& menu = *windows.teacherMenu;
    WhenShown asked(&password);
    // The password of the settings file, in any case of a-z.
    asked.then([&] {
        password.passwordEdit->setText(toQt(state().settings.password).toLower());
        QTest::mouseClick(password.okButton, Qt::LeftButton);
    });
    form->feedback()->showBubble(w1250("Ahoj"));
    form->toolbarReleased(ToolbarButton::Teacher);  // the bubble goes, the question comes
    EXPECT_FALSE(form->feedback()->bubbleShown());
    ASSERT_TRUE(menu.isVisible());

    // A switch turns over the program's settings and POM.CFG at once.
    const bool checks = state().settings.checksEnabled;
    QTest::mouseClick(menu.checksButton, Qt::LeftButton);
    ProgramSettings file;
    ASSERT_EQ(loadSettings(file), "");
    EXPECT_EQ(std::make_tuple(file.checksEnabled, state().settings.checksEnabled), std::make_tuple(!checks, !checks));

    // An exercise of two equations of the bank, in the order they were chosen.
    QTest::mouseClick(menu.builderButton, Qt::LeftButton);
    EquationFilesWindow& files = *windows.equationFiles;
    ASSERT_TRUE(files.isVisible());
    int bankSize = 0;
    for (int index = 1; index < AREA_COUNT; ++index)
        if (!isGroupHeading(areaCodeOf(index))) bankSize += state().session.areaCounts[index];
    ASSERT_EQ(files.bankList->count(), bankSize);
    files.bankRowClicked(4);
    files.bankRowClicked(0);
    files.nameEdit->setText(QStringLiteral("Prvni"));
    QTest::mouseClick(files.saveButton, Qt::LeftButton);
    EXPECT_FALSE(files.isVisible());
    QTest::mouseClick(menu.closeButton, Qt::LeftButton);
    EXPECT_FALSE(menu.isVisible());

    // The pupil finds it under "Cvičení" and gets its first equation.
    EquationRecord fifth;
    ASSERT_TRUE(readEquation(11, 4, "", fifth).ok);
    click(*form, QPoint(533, 556));
    ASSERT_EQ(form->exerciseList->count(), 1);
    EXPECT_EQ(form->exerciseList->item(0)->text(), QStringLiteral("Prvni.cvc"));
    form->chooseExerciseRow(0);
    EXPECT_EQ(std::make_tuple(state().session.currentArea, fromQt(form->areaLabel->text()),
                              state().currentEquation.slot(0), state().currentEquation.root),
              std::make_tuple(EXERCISE_AREA, w1250("Cvičení   Prvni"), fifth.slot(0), fifth.root));

    // While an area is open the teacher's button asks nothing.
    EXPECT_FALSE(form->toolbarButton(ToolbarButton::Teacher)->isEnabled());
    form->toolbarReleased(ToolbarButton::Teacher);
    EXPECT_EQ(std::make_tuple(asked.done(), warnings_.empty()), std::make_tuple(true, true));
}

TEST_F(RuntimeFolder, ChooserShowsEveryNameItCanAndOpensTheFileOfThatName) {
    auto form = startedWindow(QSize(800, 600));
    const QPoint exercise(533, 556);  // "Cvičení" on the 800 x 600 picture

    // No exercise yet: an empty list over the picture, closed by "Storno";
    // clicks on the picture do nothing while it is open.
    click(*form, exercise);
    EXPECT_EQ(std::make_tuple(form->exerciseChooser->isVisibleTo(form.get()), form->exerciseList->count(),
                              form->exerciseChooser->geometry()),
              std::make_tuple(true, 0, QRect(255, 176, 289, 329)));
    click(*form, QPoint(250, 140));
    EXPECT_EQ(state().session.currentArea, 0);
    form->chooserCancelButton->click();
    EXPECT_FALSE(form->exerciseChooser->isVisibleTo(form.get()));
    // A file that vanished meanwhile is reported, not started.
    form->chooseExercise("zmizele.cvc");
    EXPECT_EQ(std::make_tuple(state().session.currentArea, warnings_),
              std::make_tuple(0, std::vector<std::string>{w1250("Nepodařilo se otevřít soubor zmizele.cvc")}));

    // Each file holds "x=<root>", so the equation presented tells which file
    // was opened.
    auto write = [](const std::string& diskName, int root) {
        EquationRecord record;
        record.setSlot(0, "x=" + std::to_string(root));
        record.root = root;
        unsigned char bytes[EquationRecord::RECORD_SIZE];
        record.toBytes(bytes);
        writeBytes(diskName, std::string(reinterpret_cast<const char*>(bytes), sizeof bytes));
    };
    write("Úloha.cvc", 1);
    write("????.cvc", 2);
    write("тест.cvc", 3);          // shown as "????", opened as itself
    write("\xE8\xE1st.cvc", 4);    // "část" from a Windows medium
    write("a\nb.cvc", 5);          // a line break cannot be shown: left out
    click(*form, exercise);
    QStringList names;
    for (int k = 0; k < form->exerciseList->count(); ++k) names << form->exerciseList->item(k)->text();
    EXPECT_EQ(names, (QStringList{QStringLiteral("????.cvc"), QString::fromUtf8("Úloha.cvc"),
                                  QStringLiteral("????.cvc"), QString::fromUtf8("část.cvc")}));
    const double roots[] = {2, 1, 3, 4};
    for (int row = 0; row < 4; ++row) {
        form->chooseExerciseRow(row);
        EXPECT_EQ(std::make_tuple(form->exerciseChooser->isVisibleTo(form.get()), state().session.currentArea,
                                  state().currentEquation.root),
                  std::make_tuple(false, EXERCISE_AREA, roots[row]))
            << row;
        form->toolbarReleased(ToolbarButton::Leave);
        click(*form, exercise);
    }
    form->chooseExerciseRow(3);
    EXPECT_EQ(std::make_tuple(form->areaLabel->text(), warnings_.size()),
              std::make_tuple(QString::fromUtf8("Cvičení   část"), size_t{1}));
}

TEST_F(RuntimeFolder, EvaluationAndHelpOpenFromTheToolbarAfterABubble) {
    auto form = startedWindow();
    form->createWindows();
    const ProgramWindows& windows = form->windows();
    // Made once, in the program's order, each above the main window.
    const char* names[] = {"TFUCIT", "TForm2", "Tznam", "Thodnoc", "Theslodialog", "TForm5"};
    for (const char* name : names) {
        QWidget* window = form->findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_TRUE(window && window->isWindow()) << name;
    }

    click(*form, QPoint(300, 170));
    const int32_t area = state().session.currentArea;
    ASSERT_NE(area, 0);
    state().session.areaStatistics[areaIndexOf(area)] = {3, 1, 2};
    WhenShown evaluation(windows.evaluation);
    form->feedback()->showBubble(w1250("Ahoj"));
    form->toolbarReleased(ToolbarButton::Evaluation);  // only erases the bubble
    EXPECT_FALSE(form->feedback()->bubbleShown());
    evaluation.then([&] {
        EXPECT_EQ(std::make_tuple(windows.evaluation->selectedItem(), windows.evaluation->lines[1]->text()),
                  std::make_tuple(area / 10 - 1, QString::fromUtf8("Dobře/chyb    3/1")));
        QTest::mouseClick(windows.evaluation->okButton, Qt::LeftButton);
    });
    form->toolbarReleased(ToolbarButton::Evaluation);
    EXPECT_TRUE(evaluation.done());

    form->feedback()->showBubble(w1250("Ahoj"));
    form->toolbarReleased(ToolbarButton::Help);
    EXPECT_FALSE(windows.help->isVisible());
    form->toolbarReleased(ToolbarButton::Help);
    EXPECT_TRUE(windows.help->isVisible());
}

}  // namespace
