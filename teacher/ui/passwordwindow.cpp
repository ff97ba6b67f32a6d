#include "teacher/ui/passwordwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/ui/qtext.h"
#include "teacher/ui/teacherwindow.h"

PasswordWindow::PasswordWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Theslodialog"));
    setWindowTitle(QStringLiteral("Heslo"));
    setDialogFrameWithoutCloseBox(this, true);
    setModal(true);
    setFont(teacherFont(13));

    promptLabel = new QLabel(toQt(passwordPromptAtStart()), this);
    promptLabel->setObjectName(QStringLiteral("Label1"));
    promptLabel->setGeometry(8, 6, 220, 18);

    passwordEdit = new QLineEdit(this);
    passwordEdit->setObjectName(QStringLiteral("pasword"));
    passwordEdit->setGeometry(8, 27, 220, 22);
    passwordEdit->setMaxLength(SETTINGS_PASSWORD_LENGTH);
    passwordEdit->setEchoMode(QLineEdit::Password);
    passwordEdit->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));

    okButton = new QPushButton(QStringLiteral("&OK"), this);
    okButton->setObjectName(QStringLiteral("OKBtn"));
    okButton->setGeometry(26, 59, 77, 27);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    cancelButton = new QPushButton(QString::fromUtf8("&Zrušit"), this);
    cancelButton->setObjectName(QStringLiteral("CancelBtn"));
    cancelButton->setGeometry(128, 59, 77, 27);
    // Esc rejects the dialog as "Zrušit" does, and so does a close by the
    // window manager.
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(236, 93);
}

void PasswordWindow::setPrompt(const std::string& prompt) { promptLabel->setText(toQt(prompt)); }

PasswordEntry PasswordWindow::ask() {
    passwordEdit->clear();
    PasswordEntry entry;
    entry.confirmed = exec() == QDialog::Accepted;
    if (entry.confirmed) entry.text = fromQtExact(passwordEdit->text());
    passwordEdit->clear();
    return entry;
}

void PasswordWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(this);
    activateWindow();
    passwordEdit->setFocus();
}
