#include "help/ui/helpwindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "help/helptext.h"
#include "mainwindow/ui/qtext.h"

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(toQt(helpCaption()));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    setModal(false);

    text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("RichEdit1"));
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setOpenLinks(true);
    text->setOpenExternalLinks(false);
    QFont font(QStringLiteral("Arial"));
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(16);
    text->setFont(font);
    text->document()->setDocumentMargin(12);
    text->setHtml(toQt(helpText()));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text);
}

void HelpWindow::showHelp() {
    show();
    raise();
    activateWindow();
}

void HelpWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (placed_) return;
    placed_ = true;
    // Most of the screen, centred; at 800 x 600 nearly all of it.
    if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const int w = std::min(760, area.width() - 40);
        const int h = std::min(700, area.height() - 60);
        resize(w, h);
        move(area.left() + (area.width() - frameGeometry().width()) / 2,
             area.top() + (area.height() - frameGeometry().height()) / 2);
    }
}
