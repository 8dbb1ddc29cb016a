#pragma once

#include "app/CPropertySheet.h"

class ProfileStore;
class QComboBox;

// "Navigation Setup": units of measure and position format, stored as list
// indices in "Settings"/"Units" and "Settings"/"PositionFormat".
class CNavigationSetupPage : public CPropertyPage {
    Q_OBJECT

public:
    CNavigationSetupPage(ProfileStore& profile, QWidget* parent = nullptr);
    void Apply() override;

    QComboBox& Units() const { return *units; }
    QComboBox& PositionFormat() const { return *format; }

signals:
    // Every window redraws: positions and heights read these settings.
    void applied();

private:
    ProfileStore& profile;
    QComboBox* units;
    QComboBox* format;
};

// "General Settings": the property sheet holding that one page.
class CGeneralSettingsSheet : public CPropertySheet {
    Q_OBJECT

public:
    CGeneralSettingsSheet(ProfileStore& profile, QWidget* parent = nullptr);
    CNavigationSetupPage& Page() const { return *page; }

private:
    CNavigationSetupPage* page;
};
