// The grade boundaries (Tznam): the four boundaries in force beside four
// fields for the new ones; "OK" checks and stores them.
#pragma once

#include <QDialog>
#include <array>

#include "teacher/ui/teacherwindow.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class GradeBoundariesDialog : public TeacherDialog {
    Q_OBJECT
public:
    GradeBoundariesDialog(const TeacherData& data, QWidget* parent = nullptr);

    // Both columns show the boundaries in force, and Edit1 has the focus.
    void fillFields();
    // "OK": a refused entry or a file that cannot be opened keeps the dialog
    // open with the values in force; otherwise it closes.
    void okPressed();

    QFrame* frame;                    // "Bevel1"
    std::array<QLabel*, 4> inForce;   // Label7 .. Label10
    std::array<QLineEdit*, 4> edits;  // Edit1 .. Edit4
    QPushButton* okButton;            // "OKBtn"
    QPushButton* cancelButton;        // "CancelBtn"

protected:
    void refresh() override { fillFields(); }

private:
    const TeacherData& data_;
};
