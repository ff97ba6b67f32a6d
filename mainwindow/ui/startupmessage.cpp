#include "mainwindow/ui/startupmessage.h"

#include <QMessageBox>

#include "mainwindow/ui/qtext.h"

namespace {
StartupMessageHook& hook() {
    static StartupMessageHook h;
    return h;
}
}  // namespace

void setStartupMessageHook(StartupMessageHook h) { hook() = std::move(h); }

void showStartupMessage(const std::string& cp1250Text) {
    if (hook()) {
        hook()(cp1250Text);
        return;
    }
    QMessageBox box(QMessageBox::Information, QStringLiteral("Velmir rovnic"), toQt(cp1250Text),
                    QMessageBox::Ok);
    box.exec();
}
