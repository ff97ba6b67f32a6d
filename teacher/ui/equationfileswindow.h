// The window TForm2 in its two modes: the exercise builder (the whole bank on
// the left, the chosen equations on the right, "Uložit") and the browser of
// equation files (files on the left, the file's equations on the right,
// "Tisknout").  Not modal; it opens maximized with its controls in an
// 800 x 600 area in the middle.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "problems/equationlist.h"
#include "teacher/exerciseselection.h"
#include "teacher/ui/teacherwindow.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// How the print button reaches the outside world; tests put in their own.
struct PrintHooks {
    // Prints on the default printer; false when there is none or it refused.
    std::function<bool(const std::string& fileName, const std::vector<std::string>& lines)> print;
    // Asks where to save the list as a PDF; an empty name when the teacher declines.
    std::function<QString(const QString& suggestedName)> choosePdfFile;
};

class EquationFilesWindow : public QDialog {
    Q_OBJECT
public:
    EquationFilesWindow(const TeacherData& data, QWidget* parent = nullptr);

    // Builder mode: the bank's list read afresh, the selection and the name emptied.
    void openExerciseBuilder();
    // Browser mode: the folder's equation and exercise files read afresh.
    void openFileBrowser();

    bool builderMode() const { return builderMode_; }
    const ExerciseSelection& selection() const { return selection_; }

    // The clicks, by row of their list.
    void bankRowClicked(int row);
    void selectionRowClicked(int row);
    void fileRowClicked(int row);
    void saveClicked();   // "Uložit"
    void printClicked();  // "Tisknout"

    PrintHooks printHooks;

    QWidget* page;  // the 800 x 600 area of the controls
    QLabel* instructionLabel;   // "Label1"
    QLineEdit* nameEdit;        // "Edit1": the exercise's name
    QLabel* addCaption;         // "Panel1": "Kliknutím se přidá"
    QLabel* removeCaption;      // "Panel2": "Kliknutím se odebere"
    QListWidget* bankList;      // "ListBox1": the whole bank
    QListWidget* fileList;      // "FileListBox1": the equation and exercise files
    QListWidget* chosenList;    // "ListBox2": the selection, or the file's equations
    QPushButton* saveButton;    // "Button1": "Uložit"
    QPushButton* cancelButton;  // "Bzrusit": "Storno"
    QPushButton* printButton;   // "Btisk": "Tisknout"

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void setLabel(const char* utf8Text, bool centred);
    void showWindow();
    void savePdf(const std::string& fileName, const std::vector<std::string>& lines);

    const TeacherData& data_;
    bool builderMode_ = true;
    ExerciseSelection selection_;
    std::vector<BankArea> areas_;        // the bank as the list was built
    std::vector<ListedFile> files_;      // the browser's files, by row
    int shownFile_ = -1;                 // the file whose lines the right list shows
    std::vector<std::string> shownLines_;
};
