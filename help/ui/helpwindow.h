// The help window (TForm5): the help text in a read-only rich-text box with
// a vertical scroll bar.  Not modal, so a pupil can read it beside the work.
#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the window (from the top of the text the first time), in front.
    void showHelp();

    QTextBrowser* text;
    QPushButton* closeButton;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool placed_ = false;
};
