#include "teacher/ui/evaluationdialog.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/ui/qtext.h"

namespace {

constexpr int PANEL_HEIGHT = 121;
constexpr int BAR_WIDTH = 33;

struct PanelPlace {
    int left, top, width;
    int blueLeft, redLeft;
};
constexpr PanelPlace PANEL_PLACES[EVALUATION_PANELS] = {
    {24, 16, 137, 56, 96},
    {168, 16, 129, 48, 80},
    {24, 144, 137, 56, 88},
    {168, 144, 129, 48, 80},
};

}  // namespace

EvaluationDialog::EvaluationDialog(const TeacherData& data, QWidget* parent) : QDialog(parent), data_(data) {
    setObjectName(QStringLiteral("Thodnoc"));
    setWindowTitle(QString::fromUtf8("Hodnocení"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFont(teacherFont(12));

    frame = sunkenBevel(this, QRect(8, 8, 305, 265));

    for (int p = 0; p < EVALUATION_PANELS; ++p) {
        const PanelPlace& place = PANEL_PLACES[p];
        QFrame* panel = panels[p] = new QFrame(this);
        panel->setObjectName(QStringLiteral("Panel%1").arg(p + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setGeometry(place.left, place.top, place.width, PANEL_HEIGHT);
        for (int k = 0; k < 3; ++k) {
            QLabel* line = lines[3 * p + k] = new QLabel(panel);
            line->setObjectName(QStringLiteral("L%1").arg(3 * p + k + 1));
            line->setGeometry(8, 8 + 16 * k, place.width - 10, 16);
            // The caption in the window's bold font, the counts in regular.
            if (k > 0) line->setFont(teacherFont(12, false));
        }
        QLabel* grade = grades[p] = new QLabel(panel);
        grade->setObjectName(QStringLiteral("Label%1").arg(p + 1));
        QFont gradeFont = teacherFont(48);
        grade->setFont(gradeFont);
        grade->setGeometry(8, 56, 36, 56);
        const std::array<int, 2> barLefts = {place.blueLeft, place.redLeft};
        for (int b = 0; b < 2; ++b) {
            QFrame* bar = bars[2 * p + b] = new QFrame(panel);
            bar->setObjectName(QStringLiteral("Shape%1").arg(2 * p + b + 1));
            bar->setAutoFillBackground(true);
            QPalette palette = bar->palette();
            palette.setColor(QPalette::Window, b == 0 ? Qt::blue : Qt::red);
            bar->setPalette(palette);
            bar->setGeometry(barLefts[b], barTop(PANEL_HEIGHT, 0), BAR_WIDTH, 0);
        }
    }

    areaGroup = new QGroupBox(QString::fromUtf8("Výběr oblasti"), this);
    areaGroup->setObjectName(QStringLiteral("RadioGroup1"));
    areaGroup->setGeometry(328, 8, 193, 265);
    auto* layout = new QVBoxLayout(areaGroup);
    // Narrow margins: the longest item has to fit the design's width.
    layout->setContentsMargins(6, 6, 2, 6);
    group_ = new QButtonGroup(this);
    for (int k = 0; k < EVALUATION_ITEMS; ++k) {
        radioItems[k] = new QRadioButton(toQt(evaluationItems()[k]), areaGroup);
        radioItems[k]->setObjectName(QStringLiteral("RadioItem%1").arg(k));
        layout->addWidget(radioItems[k]);
        group_->addButton(radioItems[k], k);
    }
    connect(group_, &QButtonGroup::idClicked, this, [this](int) { fill(); });

    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("OKBtn"));
    okButton->setGeometry(224, 284, 77, 27);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(534, 318);
}

int EvaluationDialog::selectedItem() const { return group_->checkedId(); }

void EvaluationDialog::selectItem(int item) {
    if (item >= 0 && item < EVALUATION_ITEMS) {
        radioItems[item]->setChecked(true);
    } else if (QAbstractButton* checked = group_->checkedButton()) {
        // An exclusive group keeps one item checked; the start screen has none.
        group_->setExclusive(false);
        checked->setChecked(false);
        group_->setExclusive(true);
    }
    fill();
}

void EvaluationDialog::fill() {
    std::function<StepCounts(int)> countsOf = data_.statistics;
    if (!countsOf) countsOf = [](int) { return StepCounts{}; };
    const std::array<EvaluationPanel, EVALUATION_PANELS> content =
        evaluationPanels(selectedItem(), countsOf, data_.settings->gradeBoundaries);
    for (int p = 0; p < EVALUATION_PANELS; ++p) {
        const EvaluationPanel& panel = content[p];
        lines[3 * p]->setText(toQt(panel.caption));
        lines[3 * p + 1]->setText(toQt(panel.steps));
        lines[3 * p + 2]->setText(toQt(panel.equations));
        grades[p]->setText(toQt(panel.grade));
        const std::array<int32_t, 2> heights = {panel.blueHeight, panel.redHeight};
        for (int b = 0; b < 2; ++b) {
            QFrame* bar = bars[2 * p + b];
            bar->setGeometry(bar->x(), barTop(PANEL_HEIGHT, heights[b]), BAR_WIDTH, heights[b]);
            bar->setVisible(heights[b] > 0);
        }
    }
}

void EvaluationDialog::showEvaluation(uint8_t areaCode) {
    selectItem(evaluationItemOf(areaCode));
    exec();
}

void EvaluationDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(this);
}
