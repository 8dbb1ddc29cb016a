#pragma once

#include <QDialog>

class QCheckBox;
class QListWidget;
class QPushButton;
struct DecodeSettings;
class ProfileStore;

// "NMEA Settings": which sentence families are decoded and whether
// checksums are checked. OK applies at once (the receive thread reads the
// flags on every sentence) and writes them to the profile.
class CNmeaSettingsDlg : public QDialog {
    Q_OBJECT

public:
    CNmeaSettingsDlg(DecodeSettings& decode, ProfileStore& profile, QWidget* parent = nullptr);

    // "----->": the selected family goes from Include to Exclude; "<-----" back.
    void Exclude();
    void Include();
    void accept() override;

    QListWidget& Included() const { return *included; }
    QListWidget& Excluded() const { return *excluded; }
    QCheckBox& IgnoreChecksum() const { return *ignoreChecksum; }

private:
    static void Move(QListWidget& from, QListWidget& to);

    DecodeSettings& decode;
    ProfileStore& profile;
    QCheckBox* ignoreChecksum;
    QListWidget* included;
    QListWidget* excluded;
};
