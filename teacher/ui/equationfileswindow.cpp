#include "teacher/ui/equationfileswindow.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>
#include <QStandardPaths>
#include <QUrl>

#include "engine/cp1250.h"
#include "engine/savefile.h"
#include "engine/ui/qtext.h"
#include "problems/exercisesave.h"
#include "teacher/printout.h"
#include "teacher/ui/printpainter.h"

namespace {

constexpr int PAGE_WIDTH = 800;
constexpr int PAGE_HEIGHT = 600;
constexpr int BUTTON_WIDTH = 89;
constexpr int BUTTON_HEIGHT = 33;
constexpr int BUTTON_TOP = 565 - BUTTON_HEIGHT;

QListWidget* equationList(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    QFont font = teacherFont(13, false);
    list->setFont(font);
    list->setUniformItemSizes(true);
    list->setStyleSheet(QStringLiteral("QListWidget::item { height: 16px; }"));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return list;
}

QLabel* captionPanel(const char* name, const char* utf8Caption, QWidget* parent) {
    auto* panel = new QLabel(QString::fromUtf8(utf8Caption), parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAlignment(Qt::AlignCenter);
    return panel;
}

QString askForPdfFile(QWidget* parent, const QString& suggestedName) {
    QFileDialog dialog(parent, QString::fromUtf8("Uložit seznam jako soubor PDF"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Names only: the detailed view's column headings are not Czech.
    dialog.setViewMode(QFileDialog::List);
    dialog.setNameFilter(QString::fromUtf8("Soubory PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setLabelText(QFileDialog::LookIn, QString::fromUtf8("Složka:"));
    dialog.setLabelText(QFileDialog::FileName, QString::fromUtf8("Jméno souboru:"));
    dialog.setLabelText(QFileDialog::FileType, QString::fromUtf8("Typ souboru:"));
    dialog.setLabelText(QFileDialog::Accept, QString::fromUtf8("Uložit"));
    dialog.setLabelText(QFileDialog::Reject, QString::fromUtf8("Storno"));
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    dialog.setDirectory(folder);
    dialog.setSidebarUrls({QUrl::fromLocalFile(QDir::homePath()), QUrl::fromLocalFile(folder)});
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
}

}  // namespace

EquationFilesWindow::EquationFilesWindow(const TeacherData& data, QWidget* parent) : QDialog(parent), data_(data) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);
    setModal(false);
    setFont(teacherFont(14));

    page = new QWidget(this);
    page->setObjectName(QStringLiteral("page"));
    page->resize(PAGE_WIDTH, PAGE_HEIGHT);

    instructionLabel = new QLabel(page);
    instructionLabel->setFont(teacherFont(13));
    instructionLabel->setObjectName(QStringLiteral("Label1"));

    nameEdit = new QLineEdit(page);
    nameEdit->setObjectName(QStringLiteral("Edit1"));
    nameEdit->setGeometry(424, 8, 121, 24);
    nameEdit->setMaxLength(EXERCISE_NAME_MAX);

    addCaption = captionPanel("Panel1", "Kliknutím se přidá", page);
    addCaption->setGeometry(32, 40, 329, 25);
    removeCaption = captionPanel("Panel2", "Kliknutím se odebere", page);
    removeCaption->setGeometry(424, 40, 345, 25);

    bankList = equationList("ListBox1", page);
    bankList->setGeometry(16, 80, 329, 441);
    fileList = equationList("FileListBox1", page);
    fileList->setGeometry(16, 80, 329, 441);
    chosenList = equationList("ListBox2", page);
    chosenList->setGeometry(360, 80, 425, 441);

    saveButton = new QPushButton(QString::fromUtf8("Uložit"), page);
    saveButton->setObjectName(QStringLiteral("Button1"));
    cancelButton = new QPushButton(QStringLiteral("Storno"), page);
    cancelButton->setObjectName(QStringLiteral("Bzrusit"));
    printButton = new QPushButton(QStringLiteral("Tisknout"), page);
    printButton->setObjectName(QStringLiteral("Btisk"));
    for (QPushButton* b : {saveButton, cancelButton, printButton}) {
        b->resize(BUTTON_WIDTH, BUTTON_HEIGHT);
        b->setAutoDefault(false);
    }

    connect(bankList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { bankRowClicked(bankList->row(item)); });
    connect(chosenList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { selectionRowClicked(chosenList->row(item)); });
    connect(fileList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { fileRowClicked(fileList->row(item)); });
    connect(saveButton, &QPushButton::clicked, this, &EquationFilesWindow::saveClicked);
    connect(printButton, &QPushButton::clicked, this, &EquationFilesWindow::printClicked);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::close);
    // Enter in the name field saves, as "Uložit" does.
    connect(nameEdit, &QLineEdit::returnPressed, this, &EquationFilesWindow::saveClicked);

    printHooks.print = printOnDefaultPrinter;
    printHooks.choosePdfFile = [this](const QString& suggested) { return askForPdfFile(this, suggested); };

    setGeometry(0, 0, PAGE_WIDTH, PAGE_HEIGHT);
    setMinimumSize(PAGE_WIDTH / 2, PAGE_HEIGHT / 2);
}

void EquationFilesWindow::setLabel(const char* utf8Text, bool centred) {
    instructionLabel->setText(QString::fromUtf8(utf8Text));
    instructionLabel->adjustSize();
    if (centred)
        instructionLabel->move((PAGE_WIDTH - instructionLabel->width()) / 2, 40);
    else
        instructionLabel->move(48, 8 + (24 - instructionLabel->height()) / 2);
}

void EquationFilesWindow::openExerciseBuilder() {
    builderMode_ = true;
    bankList->show();
    fileList->hide();
    printButton->hide();

    bankList->clear();
    areas_ = data_.bankAreas ? data_.bankAreas() : std::vector<BankArea>{};
    const std::vector<std::string> lines = bankListLines(data_.folder, areas_, data_.warner());
    QStringList items;
    items.reserve(static_cast<int>(lines.size()));
    for (const std::string& line : lines) items << toQt(line);
    bankList->addItems(items);

    chosenList->clear();
    nameEdit->clear();
    selection_.clear();

    saveButton->move(380 - BUTTON_WIDTH, BUTTON_TOP);
    cancelButton->move(420, BUTTON_TOP);
    for (QWidget* w : {static_cast<QWidget*>(addCaption), static_cast<QWidget*>(removeCaption), static_cast<QWidget*>(nameEdit),
                       static_cast<QWidget*>(saveButton)})
        w->show();
    setLabel("Jméno souboru, v němž budou vybrané rovnice uloženy", false);
    setWindowTitle(QString::fromUtf8("Výběr rovnic do cvičení"));
    showWindow();
    nameEdit->setFocus();
}

void EquationFilesWindow::openFileBrowser() {
    builderMode_ = false;
    chosenList->clear();
    bankList->hide();
    fileList->show();
    selection_.clear();
    shownFile_ = -1;
    shownLines_.clear();

    cancelButton->move((PAGE_WIDTH - BUTTON_WIDTH) / 2, BUTTON_TOP);
    printButton->move(cancelButton->x() + BUTTON_WIDTH + 25, BUTTON_TOP);
    printButton->show();
    for (QWidget* w : {static_cast<QWidget*>(addCaption), static_cast<QWidget*>(removeCaption), static_cast<QWidget*>(nameEdit),
                       static_cast<QWidget*>(saveButton)})
        w->hide();
    setLabel("Kliknutím na soubor v levém okně se jeho obsah zobrazí v pravém okně a pak jej můžete vytisknout.",
             true);
    setWindowTitle(QString::fromUtf8("Prohlídka rovnic v souborech."));

    // Read afresh, so that an exercise saved since shows.
    fileList->clear();
    files_ = listEquationFiles(data_.folder, {".cvc", ".dat"});
    for (const ListedFile& file : files_) fileList->addItem(toQt(file.name));
    showWindow();
    fileList->setFocus();
}

void EquationFilesWindow::showWindow() {
    // The whole screen also where no window manager maximizes windows.
    if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showMaximized();
    raise();
    activateWindow();
}

void EquationFilesWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // The controls keep their places within the 800 x 600 area, which stays
    // in the middle of a larger window.
    page->move(std::max(0, (width() - PAGE_WIDTH) / 2), std::max(0, (height() - PAGE_HEIGHT) / 2));
}

void EquationFilesWindow::bankRowClicked(int row) {
    if (!builderMode_ || row < 0 || row >= bankList->count()) return;
    const SelectionAdd result = selection_.add(row);
    if (result == SelectionAdd::Added)
        chosenList->addItem(bankList->item(row)->text());
    else
        data_.warn(selectionMessage(result));
}

void EquationFilesWindow::selectionRowClicked(int row) {
    if (!builderMode_) return;
    if (selection_.remove(row)) delete chosenList->takeItem(row);
}

void EquationFilesWindow::saveClicked() {
    if (!builderMode_) return;
    const ExerciseSave result =
        saveExercise(fromQtExact(nameEdit->text()), selection_.positions(), areas_, data_.folder, data_.warner());
    if (result.name) nameEdit->setText(toQt(*result.name));
    if (result.saved) {
        close();
        return;
    }
    nameEdit->setFocus();
}

void EquationFilesWindow::fileRowClicked(int row) {
    if (builderMode_ || row < 0 || row >= static_cast<int>(files_.size())) return;
    chosenList->clear();
    shownLines_.clear();
    shownFile_ = row;
    fileListLines(data_.folder, files_[row], shownLines_, data_.warner());
    QStringList items;
    for (const std::string& line : shownLines_) items << toQt(line);
    chosenList->addItems(items);
}

void EquationFilesWindow::printClicked() {
    if (builderMode_) return;
    if (shownFile_ < 0) {
        data_.warn(noFileToPrintMessage());
        return;
    }
    const std::string name = files_[shownFile_].name;
    if (printHooks.print && printHooks.print(name, shownLines_)) return;
    // No printer, or it refused the job: nothing was printed.  The list can
    // still be handed out as a PDF, if the teacher picks a file for it.
    data_.warn(noPrinterMessage());
    savePdf(name, shownLines_);
}

void EquationFilesWindow::savePdf(const std::string& fileName, const std::vector<std::string>& lines) {
    if (!printHooks.choosePdfFile) return;
    QString suggested = toQt(fileName);
    const int dot = suggested.lastIndexOf(QLatin1Char('.'));
    if (dot > 0) suggested.truncate(dot);
    const QString path = printHooks.choosePdfFile(suggested + QStringLiteral(".pdf"));
    if (path.isEmpty()) return;
    QByteArray pdf;
    const bool ok = printoutPdf(fileName, lines, pdf) &&
                    savefile::replaceFile(QFile::encodeName(path).toStdString(), pdf.toStdString());
    if (!ok) data_.warn(cp1250::w1250("Soubor PDF se nepodařilo uložit."));
}
