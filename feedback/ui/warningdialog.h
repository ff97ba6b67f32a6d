// The warning dialog: every error message and notice of the program goes
// through showWarning, one red line with an "OK" button.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <functional>
#include <memory>
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

// The dialog itself (objectName "TFchyba").
class WarningDialog : public QDialog {
    Q_OBJECT
public:
    explicit WarningDialog(QWidget* parent = nullptr);
    // Lays the dialog out for a text: the window grows or shrinks with it.
    void prepare(const QString& text);

    QFrame* frame;                // "Bevel1"
    QLabel* messageLabel;         // "Label1"
    WarningOkButton* okButton;    // "Button1"
    QPushButton* noButton;        // "Button2", hidden: a warning asks nothing

protected:
    void showEvent(QShowEvent* event) override;
};

// Every error message and notice of the program goes through the one
// Warnings object that the program's owner keeps.
class Warnings {
public:
    Warnings();
    ~Warnings();

    // Modal; returns when the pupil has closed the dialog.  Works before the
    // main window exists, as start-up failures need it.
    void showWarning(const std::string& cp1250Text);

    // The dialog, created on first use and kept for the whole run.
    WarningDialog* dialog();
    // True while the dialog is open; the main window ignores keys then.
    bool visible() const;

    // For tests of windows that warn: while a handler is set, showWarning
    // hands it the text and returns at once instead of opening the dialog.
    using Handler = std::function<void(const std::string& cp1250Text)>;
    void setHandler(Handler handler) { handler_ = std::move(handler); }

private:
    std::unique_ptr<WarningDialog> dialog_;
    Handler handler_;
};
