#include "teacher/ui/teachermenuwindow.h"

#include <QEvent>
#include <QPushButton>

#include "feedback/ui/warningdialog.h"
#include "mainwindow/ui/qtext.h"
#include "teacher/password.h"
#include "teacher/teachermenu.h"
#include "teacher/ui/equationfileswindow.h"
#include "teacher/ui/gradeboundariesdialog.h"
#include "teacher/ui/passwordwindow.h"

TeacherMenu::TeacherMenu(const TeacherData& data, QWidget* parent) : QDialog(parent), data_(data) {
    setObjectName(QStringLiteral("TFUCIT"));
    setWindowTitle(QString::fromUtf8("Podpůrný program pro TOLMERA"));
    setModal(false);
    setFont(teacherFont(13));

    auto button = [this](const char* name, const char* caption, int left, int top, int width) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(left, top, width, 33);
        b->setAutoDefault(false);
        return b;
    };
    Button1 = button("Button1", "Výběr rovnic do cvičení", 24, 96, 161);
    Button2 = button("Button2", "Změna hesla", 192, 96, 169);
    Button3 = button("Button3", "Tisk", 368, 96, 89);
    Button6 = button("Button6", "Provádění zkoušek", 64, 152, 169);
    Button8 = button("Button8", "Ukazovat řešení", 264, 152, 161);
    Button4 = button("Button4", "Změna hranic známek", 24, 208, 161);
    Button7 = button("Button7", "Prohlídka souborů s rovnicemi", 232, 208, 225);
    Button5 = button("Button5", "Konec", 376, 280, 89);

    connect(Button1, &QPushButton::clicked, this, [this] {
        if (files_) files_->openExerciseBuilder();
    });
    connect(Button2, &QPushButton::clicked, this, [this] {
        if (password_) changePassword(*password_, *data_.settings, showWarning, data_.settingsPath());
    });
    for (QPushButton* b : {Button3, Button7})
        connect(b, &QPushButton::clicked, this, [this] {
            if (files_) files_->openFileBrowser();
        });
    connect(Button4, &QPushButton::clicked, this, [this] {
        if (boundaries_) boundaries_->exec();
    });
    connect(Button6, &QPushButton::clicked, this, [this] { toggle(true); });
    connect(Button8, &QPushButton::clicked, this, [this] { toggle(false); });
    connect(Button5, &QPushButton::clicked, this, &QDialog::close);

    // The design's outer size; the frame takes its share of it.
    setFixedSize(497 - 8, 356 - 27);
}

void TeacherMenu::setWindows(PasswordWindow* password, GradeBoundariesDialog* boundaries, EquationFilesWindow* files) {
    password_ = password;
    boundaries_ = boundaries;
    files_ = files;
}

void TeacherMenu::refreshCaptions() {
    Button6->setText(toQt(switchCaption(TeacherSwitch::Checks, *data_.settings)));
    Button8->setText(toQt(switchCaption(TeacherSwitch::ShowSolution, *data_.settings)));
}

void TeacherMenu::toggle(bool checks) {
    toggleSwitch(checks ? TeacherSwitch::Checks : TeacherSwitch::ShowSolution, *data_.settings, showWarning,
                 data_.settingsPath());
    // The caption follows memory even when the file could not be changed.
    refreshCaptions();
}

void TeacherMenu::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(this);
    refreshCaptions();
}

void TeacherMenu::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) refreshCaptions();
}

bool openTeacherMenu(PasswordWindow& password, TeacherMenu& menu, const ProgramSettings& settings) {
    if (!askPassword(password, settings.password)) return false;
    menu.show();
    menu.raise();
    menu.activateWindow();
    return true;
}
