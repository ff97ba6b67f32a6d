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

#include "engine/cp1250.h"
#include "engine/savefile.h"
#include "feedback/ui/warningdialog.h"
#include "mainwindow/ui/qtext.h"
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

    Label1 = new QLabel(page);
    Label1->setFont(teacherFont(13));
    Label1->setObjectName(QStringLiteral("Label1"));

    Edit1 = new QLineEdit(page);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(424, 8, 121, 24);
    Edit1->setMaxLength(EXERCISE_NAME_MAX);

    Panel1 = captionPanel("Panel1", "Kliknutím se přidá", page);
    Panel1->setGeometry(32, 40, 329, 25);
    Panel2 = captionPanel("Panel2", "Kliknutím se odebere", page);
    Panel2->setGeometry(424, 40, 345, 25);

    ListBox1 = equationList("ListBox1", page);
    ListBox1->setGeometry(16, 80, 329, 441);
    FileListBox1 = equationList("FileListBox1", page);
    FileListBox1->setGeometry(16, 80, 329, 441);
    ListBox2 = equationList("ListBox2", page);
    ListBox2->setGeometry(360, 80, 425, 441);

    Button1 = new QPushButton(QString::fromUtf8("Uložit"), page);
    Button1->setObjectName(QStringLiteral("Button1"));
    Bzrusit = new QPushButton(QStringLiteral("Storno"), page);
    Bzrusit->setObjectName(QStringLiteral("Bzrusit"));
    Btisk = new QPushButton(QStringLiteral("Tisknout"), page);
    Btisk->setObjectName(QStringLiteral("Btisk"));
    for (QPushButton* b : {Button1, Bzrusit, Btisk}) {
        b->resize(BUTTON_WIDTH, BUTTON_HEIGHT);
        b->setAutoDefault(false);
    }

    connect(ListBox1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { bankRowClicked(ListBox1->row(item)); });
    connect(ListBox2, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { selectionRowClicked(ListBox2->row(item)); });
    connect(FileListBox1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { fileRowClicked(FileListBox1->row(item)); });
    connect(Button1, &QPushButton::clicked, this, &EquationFilesWindow::saveClicked);
    connect(Btisk, &QPushButton::clicked, this, &EquationFilesWindow::printClicked);
    connect(Bzrusit, &QPushButton::clicked, this, &QDialog::close);
    // Enter in the name field saves, as "Uložit" does.
    connect(Edit1, &QLineEdit::returnPressed, this, &EquationFilesWindow::saveClicked);

    printHooks.print = printOnDefaultPrinter;
    printHooks.choosePdfFile = [this](const QString& suggested) { return askForPdfFile(this, suggested); };

    setGeometry(0, 0, PAGE_WIDTH, PAGE_HEIGHT);
    setMinimumSize(PAGE_WIDTH / 2, PAGE_HEIGHT / 2);
}

void EquationFilesWindow::setLabel(const char* utf8Text, bool centred) {
    Label1->setText(QString::fromUtf8(utf8Text));
    Label1->adjustSize();
    if (centred)
        Label1->move((PAGE_WIDTH - Label1->width()) / 2, 40);
    else
        Label1->move(48, 8 + (24 - Label1->height()) / 2);
}

void EquationFilesWindow::openExerciseBuilder() {
    builderMode_ = true;
    ListBox1->show();
    FileListBox1->hide();
    Btisk->hide();

    ListBox1->clear();
    areas_ = data_.bankAreas ? data_.bankAreas() : std::vector<BankArea>{};
    const std::vector<std::string> lines = bankListLines(data_.folder, areas_, showWarning);
    QStringList items;
    items.reserve(static_cast<int>(lines.size()));
    for (const std::string& line : lines) items << toQt(line);
    ListBox1->addItems(items);

    ListBox2->clear();
    Edit1->clear();
    selection_.clear();

    Button1->move(380 - BUTTON_WIDTH, BUTTON_TOP);
    Bzrusit->move(420, BUTTON_TOP);
    for (QWidget* w : {static_cast<QWidget*>(Panel1), static_cast<QWidget*>(Panel2), static_cast<QWidget*>(Edit1),
                       static_cast<QWidget*>(Button1)})
        w->show();
    setLabel("Jméno souboru, v němž budou vybrané rovnice uloženy", false);
    setWindowTitle(QString::fromUtf8("Výběr rovnic do cvičení"));
    showWindow();
    Edit1->setFocus();
}

void EquationFilesWindow::openFileBrowser() {
    builderMode_ = false;
    ListBox2->clear();
    ListBox1->hide();
    FileListBox1->show();
    selection_.clear();
    shownFile_ = -1;
    shownLines_.clear();

    Bzrusit->move((PAGE_WIDTH - BUTTON_WIDTH) / 2, BUTTON_TOP);
    Btisk->move(Bzrusit->x() + BUTTON_WIDTH + 25, BUTTON_TOP);
    Btisk->show();
    for (QWidget* w : {static_cast<QWidget*>(Panel1), static_cast<QWidget*>(Panel2), static_cast<QWidget*>(Edit1),
                       static_cast<QWidget*>(Button1)})
        w->hide();
    setLabel("Kliknutím na soubor v levém okně se jeho obsah zobrazí v pravém okně a pak jej můžete vytisknout.",
             true);
    setWindowTitle(QString::fromUtf8("Prohlídka rovnic v souborech."));

    // Read afresh, so that an exercise saved since shows.
    FileListBox1->clear();
    files_ = listEquationFiles(data_.folder, {".cvc", ".dat"});
    for (const ListedFile& file : files_) FileListBox1->addItem(toQt(file.name));
    showWindow();
    FileListBox1->setFocus();
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
    if (!builderMode_ || row < 0 || row >= ListBox1->count()) return;
    const SelectionAdd result = selection_.add(row);
    if (result == SelectionAdd::Added)
        ListBox2->addItem(ListBox1->item(row)->text());
    else
        showWarning(selectionMessage(result));
}

void EquationFilesWindow::selectionRowClicked(int row) {
    if (!builderMode_) return;
    if (selection_.remove(row)) delete ListBox2->takeItem(row);
}

void EquationFilesWindow::saveClicked() {
    if (!builderMode_) return;
    const ExerciseSave result =
        saveExercise(fromQtExact(Edit1->text()), selection_.positions(), areas_, data_.folder, showWarning);
    if (result.name) Edit1->setText(toQt(*result.name));
    if (result.saved) {
        close();
        return;
    }
    Edit1->setFocus();
}

void EquationFilesWindow::fileRowClicked(int row) {
    if (builderMode_ || row < 0 || row >= static_cast<int>(files_.size())) return;
    ListBox2->clear();
    shownLines_.clear();
    shownFile_ = row;
    fileListLines(data_.folder, files_[row], shownLines_, showWarning);
    QStringList items;
    for (const std::string& line : shownLines_) items << toQt(line);
    ListBox2->addItems(items);
}

void EquationFilesWindow::printClicked() {
    if (builderMode_) return;
    if (shownFile_ < 0) {
        showWarning(noFileToPrintMessage());
        return;
    }
    const std::string name = files_[shownFile_].name;
    if (printHooks.print && printHooks.print(name, shownLines_)) return;
    // No printer, or it refused the job: nothing was printed.  The list can
    // still be handed out as a PDF, if the teacher picks a file for it.
    showWarning(noPrinterMessage());
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
    if (!ok) showWarning(cp1250::w1250("Soubor PDF se nepodařilo uložit."));
}
