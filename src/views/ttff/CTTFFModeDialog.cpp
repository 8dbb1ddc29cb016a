#include "views/ttff/CTTFFModeDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QButtonGroup* RadioGroup(QWidget* parent, QBoxLayout* into, const QString& title,
                         const QStringList& labels, int checked) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(parent);
    for (int i = 0; i < labels.size(); ++i) {
        auto* button = new QRadioButton(labels[i], box);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    if (QAbstractButton* button = group->button(checked)) button->setChecked(true);
    into->addWidget(box);
    return group;
}

} // namespace

CTTFFModeDialog::CTTFFModeDialog(int mode, int testCount, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("TTFF Test Mode Selection"));
    auto* groups = new QHBoxLayout;
    types = RadioGroup(this, groups, QStringLiteral("Test Type"),
                       {QStringLiteral("Hot TTFF (reset only)"),
                        QStringLiteral("Warm TTFF (clear Ephemeris and reset)"),
                        QStringLiteral("Cold TTFF (clear Almanacs + Ephemeris and reset")},
                       mode >= 1 && mode <= 3 ? mode - 1 : 0);
    counts = RadioGroup(this, groups, QStringLiteral("Number of Tests"),
                        {QStringLiteral("Single Test"), QStringLiteral("Continuous Test"),
                         QStringLiteral("100 Tests"), QStringLiteral("200 Tests")},
                        testCount >= 0 && testCount <= 3 ? testCount : 0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(buttons);
}

int CTTFFModeDialog::Mode() const {
    return types->checkedId() + 1;
}

int CTTFFModeDialog::TestCount() const {
    return counts->checkedId();
}
