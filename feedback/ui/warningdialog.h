// The warning dialog: every error message and notice of the program goes
// through showWarning, one red line with an "OK" button.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <functional>
#include <string>

class QFrame;
class QLabel;

// "OK" closes the dialog as soon as the mouse button goes down over it, and
// on any character key while it has the focus.
class WarningOkButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
Q_SIGNALS:
    void answered();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

class TFchyba : public QDialog {
    Q_OBJECT
public:
    explicit TFchyba(QWidget* parent = nullptr);
    // Lays the dialog out for a text: the window grows or shrinks with it.
    void prepare(const QString& text);

    QFrame* Bevel1;
    QLabel* Label1;
    WarningOkButton* Button1;
    QPushButton* Button2;

protected:
    void showEvent(QShowEvent* event) override;
};

// Modal; returns when the pupil has closed the dialog.  Works before the main
// window exists, as start-up failures need it.
void showWarning(const std::string& cp1250Text);

// The one dialog, created on first use and kept for the whole run.
TFchyba* warningDialog();
// True while the dialog is open; the main window ignores keys then.
bool warningVisible();

// For tests of windows that warn: while a hook is set, showWarning hands it
// the text and returns at once instead of opening the dialog.
using WarningHook = std::function<void(const std::string& cp1250Text)>;
void setWarningHook(WarningHook hook);
