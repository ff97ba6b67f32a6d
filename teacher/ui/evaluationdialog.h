// The evaluation (Thodnoc): for each area of a group the correct and wrong
// steps, the equations, the grade and two bars.  Modal.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "teacher/evaluation.h"
#include "teacher/ui/teacherwindow.h"

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class EvaluationDialog : public QDialog {
    Q_OBJECT
public:
    EvaluationDialog(const TeacherData& data, QWidget* parent = nullptr);

    // Selects the group of the area code (the low byte of currentArea; none
    // for the start screen), fills the panels and shows the window modally.
    void showEvaluation(uint8_t areaCode);
    // Selects a radio item (-1: none) and fills the panels for it, as a
    // click on the item does.
    void selectItem(int item);
    int selectedItem() const;

    QFrame* frame;        // "Bevel1"
    QGroupBox* areaGroup;  // "RadioGroup1"
    std::array<QRadioButton*, EVALUATION_ITEMS> radioItems;
    QPushButton* okButton;  // "OKBtn"
    std::array<QFrame*, EVALUATION_PANELS> panels;          // Panel1 .. Panel4
    std::array<QLabel*, 3 * EVALUATION_PANELS> lines;       // L1 .. L12
    std::array<QLabel*, EVALUATION_PANELS> grades;          // Label1 .. Label4
    std::array<QFrame*, 2 * EVALUATION_PANELS> bars;        // Shape1 .. Shape8

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fill();

    const TeacherData& data_;
    QButtonGroup* group_;
};
