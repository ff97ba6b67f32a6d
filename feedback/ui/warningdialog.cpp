#include "feedback/ui/warningdialog.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <cstdio>

#include "mainwindow/ui/qtext.h"

namespace {

constexpr int DIALOG_HEIGHT = 133;
constexpr int OK_WIDTH = 89;
constexpr int BUTTON_HEIGHT = 25;
constexpr int BUTTON_TOP = 96;

QPointer<TFchyba> theDialog;
WarningHook theHook;

}  // namespace

void WarningOkButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Q_EMIT answered();
        return;
    }
    QPushButton::mousePressEvent(event);
}

void WarningOkButton::keyPressEvent(QKeyEvent* event) {
    // Tab moves nothing (the only other button is hidden) and is no answer.
    if (!event->text().isEmpty() && event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab) {
        Q_EMIT answered();
        return;
    }
    QPushButton::keyPressEvent(event);
}

TFchyba::TFchyba(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8("Upozornění"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    QFont dialogFont(QStringLiteral("MS Sans Serif"));
    dialogFont.setBold(true);
    setFont(dialogFont);

    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 16, 301, 57);

    Label1 = new QLabel(this);
    Label1->move(16, 40);
    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    labelFont.setPointSize(12);
    labelFont.setBold(true);
    Label1->setFont(labelFont);
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    Label1->setPalette(palette);

    Button1 = new WarningOkButton(QStringLiteral("OK"), this);
    Button1->setGeometry((317 - OK_WIDTH) / 2, BUTTON_TOP, OK_WIDTH, BUTTON_HEIGHT);
    Button1->setDefault(true);
    connect(Button1, &WarningOkButton::answered, this, &QDialog::accept);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    Button2 = new QPushButton(QStringLiteral("Ne"), this);
    Button2->setGeometry(0, BUTTON_TOP, 75, BUTTON_HEIGHT);
    Button2->hide();

    setFixedSize(317, DIALOG_HEIGHT);
}

void TFchyba::prepare(const QString& text) {
    Button2->hide();
    Label1->setText(text);
    Label1->adjustSize();

    // A very short text would leave "OK" wider than the window.
    const int width = std::max(Label1->width() + 32, OK_WIDTH + 32);
    setFixedSize(width, DIALOG_HEIGHT);
    Bevel1->setGeometry(8, 16, width - 16, 57);
    Button1->move((width - OK_WIDTH) / 2, BUTTON_TOP);
}

void TFchyba::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    Button1->setFocus();
}

TFchyba* warningDialog() {
    if (!theDialog && QApplication::instance())
        theDialog = new TFchyba();  // a top-level window; the application deletes it at the end
    return theDialog;
}

bool warningVisible() { return theDialog && theDialog->isVisible(); }

void setWarningHook(WarningHook hook) { theHook = std::move(hook); }

void showWarning(const std::string& cp1250Text) {
    if (theHook) {
        theHook(cp1250Text);
        return;
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s\n", toQt(cp1250Text).toLocal8Bit().constData());
        return;
    }
    TFchyba* dialog = warningDialog();
    // A warning raised while another is open (from a timer) gets its own
    // dialog rather than a recursive exec of the open one.
    TFchyba* extra = nullptr;
    if (dialog->isVisible()) dialog = extra = new TFchyba();
    dialog->prepare(toQt(cp1250Text));
    dialog->exec();
    delete extra;
}
