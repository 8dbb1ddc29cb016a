#include "config/CGeneralSettingsSheet.h"

#include "profile/ProfileStore.h"

#include <QComboBox>
#include <QFormLayout>

namespace {
constexpr const char* kSection = "Settings";
}

CNavigationSetupPage::CNavigationSetupPage(ProfileStore& profile, QWidget* parent)
    : CPropertyPage(QStringLiteral("Navigation Setup"), parent), profile(profile),
      units(new QComboBox(this)), format(new QComboBox(this)) {
    units->addItems({QStringLiteral("Metric"), QStringLiteral("Statute")});
    format->addItems({QStringLiteral("ddd°mm.mmmm"), QStringLiteral("ddd°mm'ss.sss"),
                      QStringLiteral("ddd.dddddddd°")});
    units->setCurrentIndex(profile.GetInt(kSection, "Units", 1));
    format->setCurrentIndex(profile.GetInt(kSection, "PositionFormat", 0));
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Units of measure:"), units);
    layout->addRow(QStringLiteral("Position Format:"), format);
    connect(units, &QComboBox::activated, this, [this] { SetModified(); });
    connect(format, &QComboBox::activated, this, [this] { SetModified(); });
}

void CNavigationSetupPage::Apply() {
    profile.SetInt(kSection, "Units", units->currentIndex());
    profile.SetInt(kSection, "PositionFormat", format->currentIndex());
    SetModified(false);
    emit applied();
}

CGeneralSettingsSheet::CGeneralSettingsSheet(ProfileStore& profile, QWidget* parent)
    : CPropertySheet(QStringLiteral("General Settings"), parent),
      page(new CNavigationSetupPage(profile, this)) {
    AddPage(page);
}
