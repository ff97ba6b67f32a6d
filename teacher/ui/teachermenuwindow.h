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

class TeacherMenu : public TeacherDialog {
    Q_OBJECT
public:
    TeacherMenu(const TeacherData& data, QWidget* parent = nullptr);

    // The windows the menu opens; they are made after it, in the program's
    // order of windows.
    void setWindows(PasswordWindow* password, GradeBoundariesDialog* boundaries, EquationFilesWindow* files);

    // The switch captions as the switches are in memory.
    void refreshCaptions();

    // The design's names are their object names.
    QPushButton* builderButton;     // "Button1": "Výběr rovnic do cvičení"
    QPushButton* passwordButton;    // "Button2": "Změna hesla"
    QPushButton* printButton;       // "Button3": "Tisk"
    QPushButton* boundariesButton;  // "Button4": "Změna hranic známek"
    QPushButton* closeButton;       // "Button5": "Konec"
    QPushButton* checksButton;      // "Button6": the check by substitution
    QPushButton* browserButton;     // "Button7": "Prohlídka souborů s rovnicemi"
    QPushButton* solutionButton;    // "Button8": the sample solution

protected:
    void refresh() override { refreshCaptions(); }

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
