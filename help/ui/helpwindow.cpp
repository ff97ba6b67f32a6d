#include "help/ui/helpwindow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "help/helptext.h"
#include "engine/ui/qtext.h"

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

    // Its own way out, also where no window manager gives the window a close box.
    closeButton = new QPushButton(QString::fromUtf8("Zavřít"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setFont(QFont(font.family(), -1, QFont::Bold));
    closeButton->setMinimumSize(100, 32);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(text);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    buttons->addSpacing(12);
    layout->addLayout(buttons);
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
