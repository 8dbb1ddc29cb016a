#include "config/CNmeaSettingsDlg.h"

#include "nmea/DecodeSettings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace {

using Flag = std::atomic<int> DecodeSettings::*;

constexpr std::array<std::pair<const char*, Flag>, 8> kFamilies{{
    {"POLYA", &DecodeSettings::usePOLYA},
    {"POLYP", &DecodeSettings::usePOLYP},
    {"POLYS", &DecodeSettings::usePOLYS},
    {"POLYT", &DecodeSettings::usePOLYT},
    {"GPGGA", &DecodeSettings::useGGA},
    {"GPGSA", &DecodeSettings::useGSA},
    {"GPGSV", &DecodeSettings::useGSV},
    {"GPRMC", &DecodeSettings::useRMC},
}};

} // namespace

CNmeaSettingsDlg::CNmeaSettingsDlg(DecodeSettings& decode, ProfileStore& profile, QWidget* parent)
    : QDialog(parent), decode(decode), profile(profile),
      ignoreChecksum(new QCheckBox(QStringLiteral("Ignore NMEA Checksum"), this)),
      included(new QListWidget(this)), excluded(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("NMEA Settings"));
    ignoreChecksum->setChecked(decode.ignoreChecksum == 1);
    included->setSortingEnabled(true);
    excluded->setSortingEnabled(true);
    for (const auto& [name, flag] : kFamilies)
        ((decode.*flag) == 1 ? included : excluded)->addItem(QString::fromLatin1(name));
    included->setCurrentRow(0);
    excluded->setCurrentRow(0);

    auto* toExclude = new QPushButton(QStringLiteral("----->"), this);
    auto* toInclude = new QPushButton(QStringLiteral("<-----"), this);
    connect(toExclude, &QPushButton::clicked, this, &CNmeaSettingsDlg::Exclude);
    connect(toInclude, &QPushButton::clicked, this, &CNmeaSettingsDlg::Include);
    auto* group = new QGroupBox(QStringLiteral("Include NMEA Sentences"), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("Include"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Exclude"), this), 0, 2);
    grid->addWidget(included, 1, 0, 2, 1);
    grid->addWidget(toExclude, 1, 1);
    grid->addWidget(toInclude, 2, 1);
    grid->addWidget(excluded, 1, 2, 2, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ignoreChecksum);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

void CNmeaSettingsDlg::Move(QListWidget& from, QListWidget& to) {
    const int row = from.currentRow();
    if (row < 0) return;
    QListWidgetItem* item = from.takeItem(row);
    to.addItem(item);
    to.setCurrentItem(item);
    if (from.count() > 0) from.setCurrentRow(std::min(row, from.count() - 1));
}

void CNmeaSettingsDlg::Exclude() {
    Move(*included, *excluded);
}

void CNmeaSettingsDlg::Include() {
    Move(*excluded, *included);
}

void CNmeaSettingsDlg::accept() {
    for (const auto& [name, flag] : kFamilies)
        (decode.*flag) =
            included->findItems(QString::fromLatin1(name), Qt::MatchExactly).isEmpty() ? 0 : 1;
    decode.ignoreChecksum = ignoreChecksum->isChecked() ? 1 : 0;
    decode.Save(profile);
    QDialog::accept();
}
