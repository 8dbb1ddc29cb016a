#include "views/signal/CSignalQualityPropertyPage1.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Thresholds are entered in the display unit and checked there.
constexpr int kMinThreshold = -201;
constexpr int kMaxThreshold = 60;

constexpr std::array<CnoUnit, 3> kUnits{CnoUnit::DbHz, CnoUnit::DBW, CnoUnit::DBm};

int IndexOf(CnoUnit unit) {
    return static_cast<int>(unit);
}

void ConvertEdit(QLineEdit& edit, CnoUnit from, CnoUnit to) {
    bool ok = false;
    const int value = edit.text().trimmed().toInt(&ok);
    // Text that is no number stays for the validation to refuse.
    if (ok) edit.setText(QString::number(ConvertDisplayUnit(value, from, to)));
}

QLineEdit* ReadOnlyNumber(int value, QWidget* parent) {
    auto* edit = new QLineEdit(QString::number(value), parent);
    edit->setReadOnly(true);
    return edit;
}

} // namespace

CSignalQualityPropertyPage1::CSignalQualityPropertyPage1(const SignalSettings& current,
                                                         int observedMax, int observedMin,
                                                         MessageSink& messages,
                                                         ApplyHandler onApply, QWidget* parent)
    : CPropertyPage(QStringLiteral("Upper and Lower SNR Threshold"), parent), settings(current),
      shownUnit(current.units), messages(messages), onApply(std::move(onApply)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeUnitGroup());
    layout->addWidget(MakeThresholdGroup());
    layout->addWidget(MakeObservedGroup(observedMax, observedMin));
    layout->addStretch();
    ShowThresholds();

    connect(unitButtons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) ChangeUnit(kUnits.at(id));
    });
    for (QLineEdit* edit : {upperEdit, lowerEdit})
        connect(edit, &QLineEdit::textChanged, this, [this] { SetModified(); });
    connect(autoTrackBox, &QCheckBox::toggled, this, [this] {
        EnableThresholds();
        SetModified();
    });
}

QWidget* CSignalQualityPropertyPage1::MakeUnitGroup() {
    auto* group = new QGroupBox(QStringLiteral("Display Units"), this);
    auto* layout = new QVBoxLayout(group);
    unitButtons = new QButtonGroup(group);
    const std::array<QString, 3> labels{QStringLiteral("C/No dB/Hz"), QStringLiteral("dBW"),
                                        QStringLiteral("dBm")};
    for (CnoUnit unit : kUnits) {
        QRadioButton*& radio = unitRadios.at(IndexOf(unit));
        radio = new QRadioButton(labels.at(IndexOf(unit)), group);
        unitButtons->addButton(radio, IndexOf(unit));
        layout->addWidget(radio);
    }
    unitRadios.at(IndexOf(shownUnit))->setChecked(true);
    return group;
}

QWidget* CSignalQualityPropertyPage1::MakeThresholdGroup() {
    auto* box = new QWidget(this);
    auto* form = new QFormLayout(box);
    upperEdit = new QLineEdit(box);
    lowerEdit = new QLineEdit(box);
    form->addRow(QStringLiteral("Upper Threshold:"), upperEdit);
    form->addRow(QStringLiteral("Lower Threshold:"), lowerEdit);
    autoTrackBox = new QCheckBox(QStringLiteral("Auto Track"), box);
    autoTrackBox->setChecked(settings.autoTrack);
    form->addRow(autoTrackBox);
    return box;
}

QWidget* CSignalQualityPropertyPage1::MakeObservedGroup(int observedMax, int observedMin) {
    auto* group = new QGroupBox(QStringLiteral("Observed Minimum/Maximum"), this);
    auto* form = new QFormLayout(group);
    maximumEdit = ReadOnlyNumber(observedMax, group);
    minimumEdit = ReadOnlyNumber(observedMin, group);
    form->addRow(QStringLiteral("Maximum SNR:"), maximumEdit);
    form->addRow(QStringLiteral("Minimum SNR:"), minimumEdit);
    return group;
}

void CSignalQualityPropertyPage1::ShowThresholds() {
    upperEdit->setText(QString::number(ToDisplayUnit(settings.upperThreshold, shownUnit)));
    lowerEdit->setText(QString::number(ToDisplayUnit(settings.lowerThreshold, shownUnit)));
    EnableThresholds();
}

void CSignalQualityPropertyPage1::EnableThresholds() {
    const bool manual = !autoTrackBox->isChecked();
    upperEdit->setEnabled(manual);
    lowerEdit->setEnabled(manual);
}

void CSignalQualityPropertyPage1::ChangeUnit(CnoUnit unit) {
    ConvertEdit(*upperEdit, shownUnit, unit);
    ConvertEdit(*lowerEdit, shownUnit, unit);
    shownUnit = unit;
}

bool CSignalQualityPropertyPage1::Validate() {
    SignalSettings next = settings;
    next.autoTrack = autoTrackBox->isChecked();
    next.units = shownUnit;
    // Under auto track the edits are disabled: a tracked value outside the
    // range could not be corrected, and the observed extremes replace the
    // thresholds anyway, so the ones held stay.
    if (!next.autoTrack) {
        const std::optional<int> upper =
            ValidatedInteger(*upperEdit, kMinThreshold, kMaxThreshold, messages);
        if (!upper) return false;
        const std::optional<int> lower =
            ValidatedInteger(*lowerEdit, kMinThreshold, kMaxThreshold, messages);
        if (!lower) return false;
        next.upperThreshold = FromDisplayUnit(*upper, shownUnit);
        next.lowerThreshold = FromDisplayUnit(*lower, shownUnit);
    }
    settings = next;
    return true;
}

void CSignalQualityPropertyPage1::Apply() {
    onApply(settings);
}

QRadioButton& CSignalQualityPropertyPage1::UnitButton(CnoUnit unit) const {
    return *unitRadios.at(IndexOf(unit));
}
