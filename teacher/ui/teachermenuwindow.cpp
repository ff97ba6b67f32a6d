#include "teacher/ui/teachermenuwindow.h"

#include <QLabel>
#include <QPushButton>

#include "engine/ui/qtext.h"
#include "teacher/password.h"
#include "teacher/teachermenu.h"
#include "teacher/ui/equationfileswindow.h"
#include "teacher/ui/gradeboundariesdialog.h"
#include "teacher/ui/passwordwindow.h"

TeacherMenu::TeacherMenu(const TeacherData& data, QWidget* parent) : TeacherDialog(parent), data_(data) {
    setObjectName(QStringLiteral("TFUCIT"));
    setWindowTitle(QString::fromUtf8("Podpůrný program pro TOLMERA"));
    setModal(false);
    setFont(teacherFont(13));

    // The caption again above the buttons, so the menu says what it is also
    // where no window manager draws a title bar.
    auto* heading = new QLabel(windowTitle(), this);
    heading->setObjectName(QStringLiteral("heading"));
    heading->setFont(teacherFont(18));
    heading->setAlignment(Qt::AlignCenter);
    heading->setGeometry(0, 36, 497 - 8, 30);

    auto button = [this](const char* name, const char* caption, int left, int top, int width) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(left, top, width, 33);
        b->setAutoDefault(false);
        return b;
    };
    builderButton = button("Button1", "Výběr rovnic do cvičení", 24, 96, 161);
    passwordButton = button("Button2", "Změna hesla", 192, 96, 169);
    printButton = button("Button3", "Tisk", 368, 96, 89);
    checksButton = button("Button6", "Provádění zkoušek", 64, 152, 169);
    solutionButton = button("Button8", "Ukazovat řešení", 264, 152, 161);
    boundariesButton = button("Button4", "Změna hranic známek", 24, 208, 161);
    browserButton = button("Button7", "Prohlídka souborů s rovnicemi", 232, 208, 225);
    closeButton = button("Button5", "Konec", 376, 280, 89);

    connect(builderButton, &QPushButton::clicked, this, [this] {
        if (files_) files_->openExerciseBuilder();
    });
    connect(passwordButton, &QPushButton::clicked, this, [this] {
        if (password_) changePassword(*password_, *data_.settings, data_.warner(), data_.settingsPath());
    });
    for (QPushButton* b : {printButton, browserButton})
        connect(b, &QPushButton::clicked, this, [this] {
            if (files_) files_->openFileBrowser();
        });
    connect(boundariesButton, &QPushButton::clicked, this, [this] {
        if (boundaries_) boundaries_->exec();
    });
    connect(checksButton, &QPushButton::clicked, this, [this] { toggle(true); });
    connect(solutionButton, &QPushButton::clicked, this, [this] { toggle(false); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);

    // The design's outer size; the frame takes its share of it.
    setFixedSize(497 - 8, 356 - 27);
}

void TeacherMenu::setWindows(PasswordWindow* password, GradeBoundariesDialog* boundaries, EquationFilesWindow* files) {
    password_ = password;
    boundaries_ = boundaries;
    files_ = files;
}

void TeacherMenu::refreshCaptions() {
    checksButton->setText(toQt(switchCaption(TeacherSwitch::Checks, *data_.settings)));
    solutionButton->setText(toQt(switchCaption(TeacherSwitch::ShowSolution, *data_.settings)));
}

void TeacherMenu::toggle(bool checks) {
    toggleSwitch(checks ? TeacherSwitch::Checks : TeacherSwitch::ShowSolution, *data_.settings, data_.warner(),
                 data_.settingsPath());
    // The caption follows memory even when the file could not be changed.
    refreshCaptions();
}

bool openTeacherMenu(PasswordWindow& password, TeacherMenu& menu, const ProgramSettings& settings) {
    if (!askPassword(password, settings.password)) return false;
    menu.show();
    menu.raise();
    menu.activateWindow();
    return true;
}
