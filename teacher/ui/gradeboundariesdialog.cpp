#include "teacher/ui/gradeboundariesdialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/ui/qtext.h"
#include "teacher/gradeboundaries.h"

namespace {

QLabel* label(const char* utf8, int left, int top, QWidget* parent) {
    auto* l = new QLabel(QString::fromUtf8(utf8), parent);
    l->move(left, top);
    l->adjustSize();
    return l;
}

}  // namespace

GradeBoundariesDialog::GradeBoundariesDialog(const TeacherData& data, QWidget* parent)
    : TeacherDialog(parent), data_(data) {
    setObjectName(QStringLiteral("Tznam"));
    setWindowTitle(QStringLiteral("+"));
    setDialogFrameWithoutCloseBox(this);
    setModal(true);
    setFont(teacherFont(13));

    frame = sunkenBevel(this, QRect(8, 8, 300, 161));

    // The headings a little smaller, so that each stays above its column
    // within the frame.
    QLabel* inForceHeading = label("Platné hodnoty %", 72, 16, this);
    QLabel* newHeading = label("Nové hodnoty %", 200, 16, this);
    for (QLabel* heading : {inForceHeading, newHeading}) {
        heading->setFont(teacherFont(12));
        heading->adjustSize();
    }
    newHeading->move(216 + 65 / 2 - newHeading->width() / 2, 16);
    const char* rows[4] = {"Jednička", "Dvojka", "Trojka", "Čtyřka"};
    for (int k = 0; k < 4; ++k) {
        const int top = 48 + 32 * k;
        label(rows[k], 24, top, this);
        inForce[k] = new QLabel(this);
        inForce[k]->setObjectName(QStringLiteral("Label%1").arg(7 + k));
        inForce[k]->setGeometry(96, top, 40, 16);
        edits[k] = new QLineEdit(this);
        edits[k]->setObjectName(QStringLiteral("Edit%1").arg(1 + k));
        edits[k]->setGeometry(216, top - 8, 65, 21);
    }

    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("OKBtn"));
    okButton->setGeometry(40, 180, 77, 27);
    okButton->setDefault(true);
    okButton->setAutoDefault(true);
    connect(okButton, &QPushButton::clicked, this, &GradeBoundariesDialog::okPressed);

    cancelButton = new QPushButton(QString::fromUtf8("Zrušit"), this);
    cancelButton->setObjectName(QStringLiteral("CancelBtn"));
    cancelButton->setGeometry(180, 180, 77, 27);
    cancelButton->setAutoDefault(false);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(317, 214);
}

void GradeBoundariesDialog::fillFields() {
    for (int k = 0; k < 4; ++k) {
        const QString text = toQt(boundaryText(data_.settings->gradeBoundaries[k]));
        inForce[k]->setText(text);
        edits[k]->setText(text);
    }
    edits[0]->setFocus();
    edits[0]->selectAll();
}

void GradeBoundariesDialog::okPressed() {
    std::array<std::string, 4> fields;
    for (int k = 0; k < 4; ++k) {
        // A character Windows-1250 lacks is no digit either: "?" keeps the
        // field's syntax error.
        fields[k] = fromQtExact(edits[k]->text()).value_or("?");
    }
    const BoundaryStore result = applyGradeBoundaries(fields, *data_.settings, data_.warner(), data_.settingsPath());
    if (result == BoundaryStore::Stored || result == BoundaryStore::WriteFailed) {
        accept();
        return;
    }
    // The message has been closed: the dialog is active again and shows the
    // values in force.
    fillFields();
}
