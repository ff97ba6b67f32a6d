// The teacher's windows offscreen, driven by clicks and typing, with a
// settings file and two small area files in a scratch folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "engine/engine.h"
#include "engine/ui/qtext.h"
#include "problems/equationfile.h"
#include "teacher/gradeboundaries.h"
#include "teacher/printout.h"
#include "teacher/ui/equationfileswindow.h"
#include "teacher/ui/evaluationdialog.h"
#include "teacher/ui/gradeboundariesdialog.h"
#include "teacher/ui/passwordwindow.h"
#include "teacher/ui/printpainter.h"
#include "teacher/ui/teachermenuwindow.h"
#include "tests/support/whenshown.h"
#include "tests/teacher/teachertest.h"

namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

// Types any text, key by key (QTest's own typing knows only ASCII).
void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void clickRow(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

QStringList rows(const QListWidget* list) {
    QStringList texts;
    for (int k = 0; k < list->count(); ++k) texts << list->item(k)->text();
    return texts;
}

class TeacherWindows : public ScratchFolder {
protected:
    ProgramSettings settings;
    std::vector<std::string> warnings;
    TeacherData data;
    std::array<StepCounts, 23> statistics{};

    void SetUp() override {
        ScratchFolder::SetUp();
        errorCode = 0;
        settings.password = "UCITEL";
        settings.gradeBoundaries = {85, 70, 50, 30};
        settings.checksEnabled = true;
        settings.showSolutionEnabled = false;
        writeBytes(path("POM.CFG"), encodeSettingsFile(settingsRecords(settings)));
        writeArea(path(""), 11, 3);
        writeArea(path(""), 12, 2);
        data.settings = &settings;
        data.folder = path("");
        data.bankAreas = [] { return std::vector<BankArea>{{11, 3}, {12, 2}}; };
        data.statistics = [this](int row) { return statistics.at(row); };
        data.showWarning = [this](const std::string& text) { warnings.push_back(text); };
    }
    ProgramSettings stored() {
        ProgramSettings s;
        EXPECT_EQ(loadSettings(s, path("POM.CFG")), "");
        return s;
    }
    static std::function<void()> type(PasswordWindow& dialog, const char* utf8, bool ok = true) {
        return [&dialog, utf8, ok] {
            typeText(dialog.passwordEdit, q(utf8));
            QTest::mouseClick(ok ? dialog.okButton : dialog.cancelButton, Qt::LeftButton);
        };
    }
};

// Which passwords match is the settings' tests' matter; here the typed text
// reaches the comparison and its answer the menu.
TEST_F(TeacherWindows, MenuOpensOnlyForTheRightPassword) {
    PasswordWindow password;
    TeacherMenu menu(data);
    menu.setWindows(&password, nullptr, nullptr);
    EXPECT_EQ(std::make_tuple(password.passwordEdit->echoMode(), password.passwordEdit->maxLength()),
              std::make_tuple(QLineEdit::Password, 20));

    const struct {
        const char* stored;
        const char* typed;
        bool ok, opens;
    } attempts[] = {
        {"UCITEL", "ucitel", true, true},    // a..z in any case
        {"UCITEL", "UCITE", true, false},
        {"UCITEL", "ucitel", false, false},  // "Zrušit"
        {"ŠKOLA", "Škola", true, true},
        {"??", "日本", true, false},  // a character Windows-1250 lacks never matches
    };
    WhenShown script(&password);
    for (const auto& a : attempts) {
        settings.password = w(a.stored);
        script.then(type(password, a.typed, a.ok));
        const bool opened = openTeacherMenu(password, menu, settings);
        EXPECT_EQ(std::make_tuple(opened, menu.isVisible()), std::make_tuple(a.opens, a.opens)) << a.typed;
        menu.close();
    }
    EXPECT_EQ(std::make_tuple(script.done(), warnings.empty()), std::make_tuple(true, true));
}

TEST_F(TeacherWindows, PasswordChangeFromTheMenuReachesTheFile) {
    PasswordWindow password;
    TeacherMenu menu(data);
    menu.setWindows(&password, nullptr, nullptr);
    menu.show();
    WhenShown script(&password);
    QStringList prompts;
    auto answer = [&](const char* typed) {
        return [&, typed] {
            prompts << password.promptLabel->text();
            type(password, typed)();
        };
    };

    // The outcomes of a change are the settings' tests' matter.
    for (const char* typed : {"ucitel", "Tajne", "TAJNE"}) script.then(answer(typed));
    QTest::mouseClick(menu.passwordButton, Qt::LeftButton);
    EXPECT_EQ(prompts, (QStringList{q("Zadejte staré heslo"), q("Zadejte nové heslo"),
                                    q("Zadejte heslo ještě jednou")}));
    EXPECT_EQ(std::make_tuple(settings.password, stored().password, password.promptLabel->text(), warnings.empty(),
                              script.done()),
              std::make_tuple("TAJNE", "TAJNE", q("Zadejte heslo"), true, true));
}

TEST_F(TeacherWindows, SwitchesToggleTheirCaptionsAndRecords) {
    TeacherMenu menu(data);
    menu.show();
    auto captions = [&] { return std::make_tuple(menu.checksButton->text(), menu.solutionButton->text()); };
    EXPECT_EQ(captions(), std::make_tuple(q("Provádět zkoušky - ANO"), q("Ukazovat řešení - NE")));

    QTest::mouseClick(menu.checksButton, Qt::LeftButton);
    EXPECT_EQ(std::make_tuple(captions(), stored().checksEnabled),
              std::make_tuple(std::make_tuple(q("Provádět zkoušky - NE"), q("Ukazovat řešení - NE")), false));
    QTest::mouseClick(menu.solutionButton, Qt::LeftButton);
    EXPECT_EQ(std::make_tuple(menu.solutionButton->text(), stored().showSolutionEnabled),
              std::make_tuple(q("Ukazovat řešení - ANO"), true));

    // A file that cannot be changed: the caption still follows memory.
    std::filesystem::remove(path("POM.CFG"));
    QTest::mouseClick(menu.solutionButton, Qt::LeftButton);
    EXPECT_EQ(std::make_tuple(menu.solutionButton->text(), settings.showSolutionEnabled, warnings.empty()),
              std::make_tuple(q("Ukazovat řešení - NE"), false, false));

    QTest::mouseClick(menu.closeButton, Qt::LeftButton);
    EXPECT_FALSE(menu.isVisible());
}

TEST_F(TeacherWindows, BoundariesAreCheckedAndStored) {
    TeacherMenu menu(data);
    GradeBoundariesDialog boundaries(data);
    menu.setWindows(nullptr, &boundaries, nullptr);
    menu.show();
    WhenShown script(&boundaries);
    auto enter = [&](std::array<const char*, 4> texts) {
        for (int k = 0; k < 4; ++k) {
            boundaries.edits[k]->clear();
            typeText(boundaries.edits[k], q(texts[k]));
        }
        QTest::mouseClick(boundaries.okButton, Qt::LeftButton);
    };
    std::array<QString, 4> shownAfterRefusal;
    script.then([&] {
        EXPECT_EQ(std::make_tuple(boundaries.inForce[0]->text(), boundaries.edits[3]->text()),
                  std::make_tuple(QStringLiteral("85"), QStringLiteral("30")));
        enter({"60", "80", "45", "30"});
        // Refused: the dialog stays open and shows the values in force again.
        EXPECT_TRUE(boundaries.isVisible());
        for (int k = 0; k < 4; ++k) shownAfterRefusal[k] = boundaries.edits[k]->text();
        enter({"  80", "$3C", "45", "30"});
    });
    QTest::mouseClick(menu.boundariesButton, Qt::LeftButton);
    const GradeBoundaries entered{80, 60, 45, 30};
    EXPECT_EQ(std::make_tuple(boundaries.isVisible(), warnings, shownAfterRefusal, settings.gradeBoundaries,
                              stored().gradeBoundaries),
              std::make_tuple(false, std::vector<std::string>{w("Hranice musí být seřazeny sestupně!")},
                              std::array<QString, 4>{"85", "70", "50", "30"}, entered, entered));

    // The next opening shows the stored values; "Zrušit" changes nothing.
    script.then([&] {
        EXPECT_EQ(boundaries.inForce[1]->text(), QStringLiteral("60"));
        boundaries.edits[0]->setText(q("99"));
        QTest::mouseClick(boundaries.cancelButton, Qt::LeftButton);
    });
    QTest::mouseClick(menu.boundariesButton, Qt::LeftButton);
    EXPECT_EQ(std::make_tuple(stored().gradeBoundaries, script.done()), std::make_tuple(entered, true));
}

TEST_F(TeacherWindows, ExerciseIsBuiltSavedAndReadableByThePupil) {
    TeacherMenu menu(data);
    EquationFilesWindow files(data);
    menu.setWindows(nullptr, nullptr, &files);
    menu.show();
    QTest::mouseClick(menu.builderButton, Qt::LeftButton);
    ASSERT_TRUE(files.isVisible());
    EXPECT_EQ(std::make_tuple(files.builderMode(), files.fileList->isHidden(), files.printButton->isHidden()),
              std::make_tuple(true, true, true));
    EXPECT_EQ(rows(files.bankList), (QStringList{"x=110        ( 110 )", "x=111        ( 111 )", "x=112        ( 112 )",
                                                 "x=120        ( 120 )", "x=121        ( 121 )"}));

    for (int row : {4, 0, 2, 0}) clickRow(files.bankList, row);
    EXPECT_EQ(warnings, std::vector<std::string>{w("Příklad je již ve výběru!")});
    clickRow(files.chosenList, 1);  // the second chosen, x=110
    EXPECT_EQ(rows(files.chosenList), (QStringList{"x=121        ( 121 )", "x=112        ( 112 )"}));

    // A refused name keeps the window open and writes nothing.
    typeText(files.nameEdit, q("1úloha"));
    QTest::mouseClick(files.saveButton, Qt::LeftButton);
    EXPECT_EQ(std::make_tuple(files.isVisible(), warnings.back()),
              std::make_tuple(true, w("Jméno zadejte raději jen pomocí písmen a číslic.")));
    files.nameEdit->clear();
    typeText(files.nameEdit, q("Ú lo ha"));
    EXPECT_EQ(files.nameEdit->text(), q("Ú lo ha"));
    QTest::mouseClick(files.saveButton, Qt::LeftButton);
    EXPECT_EQ(std::make_tuple(files.isVisible(), warnings.size()), std::make_tuple(false, 2u));

    // The pupil's reader finds the chosen equations in the order of choosing.
    const std::string exercise = path("") + w("Úloha.cvc");
    EquationRecord first, second;
    ASSERT_TRUE(readExerciseEquation(0, exercise, first).ok && readExerciseEquation(1, exercise, second).ok);
    EXPECT_EQ(std::make_tuple(first.root, second.root), std::make_tuple(121, 112));

    // Opening again starts afresh.
    QTest::mouseClick(menu.builderButton, Qt::LeftButton);
    EXPECT_EQ(std::make_tuple(files.chosenList->count(), files.nameEdit->text(), files.selection().size()),
              std::make_tuple(0, QString(), 0u));
}

class Printouts : public TeacherWindows {
protected:
    // The PDF's text, page by page, line by line, blanks collapsed.
    std::vector<QStringList> pdfPages(const QString& file) {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
        EXPECT_TRUE(pdftotext.waitForFinished(30000));
        std::vector<QStringList> pages;
        for (const QString& page : QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'))) {
            QStringList lines;
            for (const QString& line : page.split(QLatin1Char('\n')))
                if (!line.trimmed().isEmpty()) lines << line.simplified();
            if (!lines.isEmpty()) pages.push_back(lines);
        }
        return pages;
    }
    QString writePdf(const std::string& name, const std::vector<std::string>& lines) {
        QByteArray pdf;
        EXPECT_TRUE(printoutPdf(name, lines, pdf));
        const QString file = QString::fromStdString(path("out.pdf"));
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(pdf);
        return file;
    }
};

TEST_F(Printouts, PdfHoldsTheTitleAndEveryLineInOrder) {
    // 45 lines: 37 on the first page under the title, the rest on the second;
    // Czech letters, the power shown as "^", a negative root.
    std::vector<std::string> lines = {w("x^(2)-x^(2)+3x=6 ( 2 )"), w("5-x=7 ( -2 )")};
    for (int k = 3; k <= 45; ++k) lines.push_back("x=" + std::to_string(k) + " ( " + std::to_string(k) + " )");
    auto pages = pdfPages(writePdf(w("cvičení.cvc"), lines));
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_EQ(std::make_tuple(pages[0].size(), pages[1].size()), std::make_tuple(38, 8));
    EXPECT_EQ(pages[0].mid(0, 3), (QStringList{q("Zadání rovnic s řešením ze souboru: cvičení.cvc"),
                                               q("1) x^(2)-x^(2)+3x=6 ( 2 )"), q("2) 5-x=7 ( -2 )")}));
    for (int k = 3; k <= 45; ++k) {
        const QString line = k <= 37 ? pages[0][k] : pages[1][k - 38];
        EXPECT_EQ(line, QStringLiteral("%1) x=%1 ( %1 )").arg(k));
    }

    // An empty file prints its title alone.
    EXPECT_EQ(pdfPages(writePdf("prazdny.cvc", {})),
              std::vector<QStringList>{{q("Zadání rovnic s řešením ze souboru: prazdny.cvc")}});
}

TEST_F(Printouts, BrowserShowsFilesAndSavesThePdfOnlyWhenAsked) {
    writeBytes(path("prazdne.cvc"), "");
    writeBytes(path("notes.txt"), "x");
    EquationFilesWindow files(data);
    int printed = 0;
    QString pdfFile;
    files.printHooks.print = [&](const std::string&, const std::vector<std::string>&) {
        ++printed;
        return false;  // no printer
    };
    files.printHooks.choosePdfFile = [&](const QString& suggested) {
        EXPECT_EQ(suggested, QStringLiteral("r12.pdf"));
        return pdfFile;
    };
    TeacherMenu menu(data);
    menu.setWindows(nullptr, nullptr, &files);
    menu.show();
    QTest::mouseClick(menu.browserButton, Qt::LeftButton);
    ASSERT_TRUE(files.isVisible());
    EXPECT_EQ(std::make_tuple(files.builderMode(), files.bankList->isHidden(), files.saveButton->isHidden()),
              std::make_tuple(false, true, true));
    EXPECT_EQ(rows(files.fileList), (QStringList{"prazdne.cvc", "r11.dat", "r12.dat"}));

    QTest::mouseClick(files.printButton, Qt::LeftButton);
    EXPECT_EQ(std::make_tuple(warnings, printed), std::make_tuple(std::vector<std::string>{noFileToPrintMessage()}, 0));

    clickRow(files.fileList, 2);
    EXPECT_EQ(rows(files.chosenList), (QStringList{"x=120  ( 120 )", "x=121  ( 121 )"}));
    clickRow(files.chosenList, 0);  // the browser's right list changes nothing
    EXPECT_EQ(files.chosenList->count(), 2);

    // Declining the file dialog writes nothing.
    QTest::mouseClick(files.printButton, Qt::LeftButton);
    EXPECT_EQ(std::make_tuple(printed, warnings.back()), std::make_tuple(1, noPrinterMessage()));
    EXPECT_EQ(namesIn(path("")), (std::vector<std::string>{"POM.CFG", "notes.txt", "prazdne.cvc", "r11.dat",
                                                             "r12.dat"}));

    pdfFile = QString::fromStdString(path("seznam.pdf"));
    QTest::mouseClick(files.printButton, Qt::LeftButton);
    EXPECT_EQ(std::make_tuple(pdfPages(pdfFile), warnings.size()),
              std::make_tuple(std::vector<QStringList>{{q("Zadání rovnic s řešením ze souboru: r12.dat"),
                                                        "1) x=120 ( 120 )", "2) x=121 ( 121 )"}},
                              3u));

    // A folder that cannot take the file: a message, and no file.
    pdfFile = QString::fromStdString(path("missing/seznam.pdf"));
    QTest::mouseClick(files.printButton, Qt::LeftButton);
    EXPECT_EQ(warnings.back(), w("Soubor PDF se nepodařilo uložit."));

    // A new exercise shows at the next opening.
    writeBytes(path("nove.cvc"), "");
    QTest::mouseClick(menu.printButton, Qt::LeftButton);
    EXPECT_EQ(std::make_tuple(rows(files.fileList).contains(QStringLiteral("nove.cvc")), files.chosenList->count()),
              std::make_tuple(true, 0));
}

TEST_F(TeacherWindows, EvaluationFillsThePanelsOfTheChosenGroup) {
    settings.gradeBoundaries = {80, 60, 45, 30};
    statistics[7] = {16, 4, 3};  // 80 %: grade 2
    statistics[8] = {1, 6, 1};   // bars 8 and 51
    EvaluationDialog dialog(data);

    dialog.selectItem(1);  // "Lehké"
    auto texts = [&](int panel) {
        return QStringList{dialog.lines[3 * panel]->text(), dialog.lines[3 * panel + 1]->text(),
                           dialog.lines[3 * panel + 2]->text(), dialog.grades[panel]->text()};
    };
    // The panels' contents are the evaluation's tests' matter; here each
    // reaches its place.
    EXPECT_EQ(texts(0), (QStringList{"Typ: 2x+5=7", q("Dobře/chyb    16/4"), "Rovnic   3", "2"}));
    EXPECT_EQ(texts(1), (QStringList{"Typ: 3x+12=7x+4", q("Dobře/chyb    1/6"), "Rovnic   1", "5"}));
    EXPECT_EQ(texts(3), (QStringList{"", "", "", ""}));
    auto bar = [&](int k) { return dialog.bars[k]->isHidden() ? QRect() : dialog.bars[k]->geometry(); };
    EXPECT_EQ(std::make_tuple(bar(0), bar(3)),
              std::make_tuple(QRect(56, 121 - 2 - 48, 33, 48), QRect(80, 121 - 2 - 51, 33, 51)));
    for (int k = 4; k < 8; ++k) EXPECT_TRUE(dialog.bars[k]->isHidden()) << k;

    // A click on another group refills at once; the start screen selects none.
    statistics[22] = {3, 1, 2};
    QTest::mouseClick(dialog.radioItems[6], Qt::LeftButton);
    EXPECT_EQ(std::make_tuple(texts(0), dialog.bars[2]->isHidden()),
              std::make_tuple(QStringList{q("Cvičení"), q("Dobře/chyb    3/1"), "Rovnic   2", "2"}, true));

    WhenShown script(&dialog);
    script.then([&] {
        EXPECT_EQ(dialog.selectedItem(), -1);
        for (int p = 0; p < 4; ++p) EXPECT_EQ(texts(p), (QStringList{"", "", "", ""}));
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
    });
    dialog.showEvaluation(0);
    script.then([&] {
        EXPECT_EQ(std::make_tuple(dialog.selectedItem(), dialog.lines[0]->text()),
                  std::make_tuple(1, q("Typ: 2x+5=7")));
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
    });
    dialog.showEvaluation(22);
    EXPECT_TRUE(script.done());
}

}  // namespace
