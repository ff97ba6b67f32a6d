// The teacher menu (TFUCIT): the two switches, the password change, the grade
// boundaries, the exercise builder and the file browser.  Not modal: the
// main window stays usable behind it.
#pragma once

#include <QDialog>

#include "teacher/ui/teacherwindow.h"

class EquationFilesWindow;
class GradeBoundariesDialog;
class PasswordWindow;
class QPushButton;

class TeacherMenu : public QDialog {
    Q_OBJECT
public:
    TeacherMenu(const TeacherData& data, QWidget* parent = nullptr);

    // The windows the menu opens; they are made after it, in the program's
    // order of windows.
    void setWindows(PasswordWindow* password, GradeBoundariesDialog* boundaries, EquationFilesWindow* files);

    // The switch captions as the switches are in memory.
    void refreshCaptions();

    QPushButton* Button1;  // "Výběr rovnic do cvičení"
    QPushButton* Button2;  // "Změna hesla"
    QPushButton* Button3;  // "Tisk"
    QPushButton* Button4;  // "Změna hranic známek"
    QPushButton* Button5;  // "Konec"
    QPushButton* Button6;  // checks switch
    QPushButton* Button7;  // "Prohlídka souborů s rovnicemi"
    QPushButton* Button8;  // sample solution switch

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void toggle(bool checks);

    const TeacherData& data_;
    PasswordWindow* password_ = nullptr;
    GradeBoundariesDialog* boundaries_ = nullptr;
    EquationFilesWindow* files_ = nullptr;
};

// The main window's teacher button: asks for the password and, when it is
// right, shows the menu without waiting for it.  True when the menu opened.
bool openTeacherMenu(PasswordWindow& password, TeacherMenu& menu, const ProgramSettings& settings);
