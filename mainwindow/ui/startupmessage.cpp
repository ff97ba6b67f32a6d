#include "mainwindow/ui/startupmessage.h"

#include <QMessageBox>

#include "engine/ui/qtext.h"

void showStartupMessage(const std::string& cp1250Text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Velmir rovnic"), toQt(cp1250Text),
                    QMessageBox::Ok);
    box.exec();
}
