#include "teacher/ui/passwordwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "mainwindow/ui/qtext.h"
#include "teacher/ui/teacherwindow.h"

PasswordWindow::PasswordWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Theslodialog"));
    setWindowTitle(QStringLiteral("Heslo"));
    setDialogFrameWithoutCloseBox(this, true);
    setModal(true);
    setFont(teacherFont(13));

    Label1 = new QLabel(toQt(passwordPromptAtStart()), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 6, 220, 18);

    pasword = new QLineEdit(this);
    pasword->setObjectName(QStringLiteral("pasword"));
    pasword->setGeometry(8, 27, 220, 22);
    pasword->setMaxLength(SETTINGS_PASSWORD_LENGTH);
    pasword->setEchoMode(QLineEdit::Password);
    pasword->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));

    OKBtn = new QPushButton(QStringLiteral("&OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(26, 59, 77, 27);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    CancelBtn = new QPushButton(QString::fromUtf8("&Zrušit"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(128, 59, 77, 27);
    // Esc rejects the dialog as "Zrušit" does, and so does a close by the
    // window manager.
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(236, 93);
}

void PasswordWindow::setPrompt(const std::string& prompt) { Label1->setText(toQt(prompt)); }

PasswordEntry PasswordWindow::ask() {
    pasword->clear();
    PasswordEntry entry;
    entry.confirmed = exec() == QDialog::Accepted;
    if (entry.confirmed) entry.text = fromQtExact(pasword->text());
    pasword->clear();
    return entry;
}

void PasswordWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(this);
    activateWindow();
    pasword->setFocus();
}
