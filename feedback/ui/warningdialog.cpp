#include "feedback/ui/warningdialog.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <cstdio>

#include "engine/ui/qtext.h"

namespace {

constexpr int DIALOG_HEIGHT = 133;
constexpr int OK_WIDTH = 89;
constexpr int BUTTON_HEIGHT = 25;
constexpr int BUTTON_TOP = 96;

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

WarningDialog::WarningDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFchyba"));
    setWindowTitle(QString::fromUtf8("Upozornění"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    QFont dialogFont(QStringLiteral("MS Sans Serif"));
    dialogFont.setBold(true);
    setFont(dialogFont);

    frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Bevel1"));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(8, 16, 301, 57);

    messageLabel = new QLabel(this);
    messageLabel->setObjectName(QStringLiteral("Label1"));
    messageLabel->move(16, 40);
    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    labelFont.setPointSize(12);
    labelFont.setBold(true);
    messageLabel->setFont(labelFont);
    QPalette palette = messageLabel->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    messageLabel->setPalette(palette);

    okButton = new WarningOkButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("Button1"));
    okButton->setGeometry((317 - OK_WIDTH) / 2, BUTTON_TOP, OK_WIDTH, BUTTON_HEIGHT);
    okButton->setDefault(true);
    connect(okButton, &WarningOkButton::answered, this, &QDialog::accept);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    noButton = new QPushButton(QStringLiteral("Ne"), this);
    noButton->setObjectName(QStringLiteral("Button2"));
    noButton->setGeometry(0, BUTTON_TOP, 75, BUTTON_HEIGHT);
    noButton->hide();

    setFixedSize(317, DIALOG_HEIGHT);
}

void WarningDialog::prepare(const QString& text) {
    noButton->hide();
    messageLabel->setText(text);
    messageLabel->adjustSize();

    // A very short text would leave "OK" wider than the window.
    const int width = std::max(messageLabel->width() + 32, OK_WIDTH + 32);
    setFixedSize(width, DIALOG_HEIGHT);
    frame->setGeometry(8, 16, width - 16, 57);
    okButton->move((width - OK_WIDTH) / 2, BUTTON_TOP);
}

void WarningDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    okButton->setFocus();
}

Warnings::Warnings() = default;
Warnings::~Warnings() = default;

WarningDialog* Warnings::dialog() {
    if (!dialog_ && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        dialog_ = std::make_unique<WarningDialog>();  // a top-level window of its own
        dialog_->setAttribute(Qt::WA_QuitOnClose, false);
    }
    return dialog_.get();
}

bool Warnings::visible() const { return dialog_ && dialog_->isVisible(); }

void Warnings::showWarning(const std::string& cp1250Text) {
    if (handler_) {
        handler_(cp1250Text);
        return;
    }
    WarningDialog* shown = dialog();
    if (!shown) {
        std::fprintf(stderr, "%s\n", toQt(cp1250Text).toLocal8Bit().constData());
        return;
    }
    // A warning raised while another is open (from a timer) gets its own
    // dialog rather than a recursive exec of the open one.
    std::unique_ptr<WarningDialog> extra;
    if (shown->isVisible()) {
        extra = std::make_unique<WarningDialog>();
        shown = extra.get();
    }
    shown->prepare(toQt(cp1250Text));
    shown->exec();
}
