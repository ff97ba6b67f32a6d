// What the teacher's windows share: where their files are, the settings they
// change, the counts of the bank, and the look of their dialogs.
#pragma once

#include <QDialog>
#include <QFont>
#include <functional>
#include <string>
#include <vector>

#include "problems/equationlist.h"
#include "teacher/evaluation.h"
#include "teacher/settingsfile.h"

class QFrame;
class QRect;
class QWidget;

// The program's data the teacher's windows read and change; the main window
// hands its own in, tests a scratch folder.
struct TeacherData {
    ProgramSettings* settings = nullptr;
    // The folder with the area files, the exercises and POM.CFG.
    std::string folder = ".";
    // The area files of the bank with the counts read at start-up.
    std::function<std::vector<BankArea>()> bankAreas;
    // A statistics row by area index 1..22.
    std::function<StepCounts(int row)> statistics;
    // The program's warning dialog (modal: returns when it is closed).
    SettingsWarning showWarning;

    void warn(const std::string& text) const {
        if (showWarning) showWarning(text);
    }
    // warn, for the message parameters of the logic.
    SettingsWarning warner() const {
        return [this](const std::string& text) { warn(text); };
    }

    std::string settingsPath() const { return folder + "/" + SETTINGS_FILE_NAME; }
};

// The dialogs' font: a plain sans serif, bold unless asked otherwise, at a
// pixel size so that the fixed places of the controls hold on any screen.
QFont teacherFont(int pixelSize, bool bold = true);

// A dialog frame without a close box: the dialog is left only by its buttons.
void setDialogFrameWithoutCloseBox(QWidget* window, bool stayOnTop = false);

// Centres a window on the screen it is shown on.
void centreOnScreen(QWidget* window);

// The sunken frame ("Bevel1") round a dialog's fields, at its place.
QFrame* sunkenBevel(QWidget* parent, const QRect& place);

// A teacher's dialog that shows what is in force whenever it is shown, and
// again when it is active after a message it raised has been closed; it
// opens centred on its screen.
class TeacherDialog : public QDialog {
public:
    using QDialog::QDialog;

protected:
    virtual void refresh() = 0;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
};
