// The password dialog (Theslodialog): a prompt, a field that shows "*", "OK"
// and "Zrušit".  The logic in teacher/password.h asks through it.
#pragma once

#include <QDialog>

#include "teacher/password.h"

class QLabel;
class QLineEdit;
class QPushButton;

class PasswordWindow : public QDialog, public PasswordDialog {
    Q_OBJECT
public:
    explicit PasswordWindow(QWidget* parent = nullptr);

    void setPrompt(const std::string& prompt) override;
    // Empties the field and waits (modally) for "OK" or "Zrušit".
    PasswordEntry ask() override;

    QLabel* promptLabel;        // "Label1"
    QLineEdit* passwordEdit;    // "pasword"
    QPushButton* okButton;      // "OKBtn"
    QPushButton* cancelButton;  // "CancelBtn"

protected:
    void showEvent(QShowEvent* event) override;
};
