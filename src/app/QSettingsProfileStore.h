#pragma once

#include "profile/ProfileStore.h"

#include <QSettings>
#include <QString>

#include <optional>

// The application's profile in a QSettings INI file: by default the user's,
// ~/.config/Brimwater/Harrowview.conf (organisation "Brimwater", application
// "Harrowview"), or any INI file named on the command line (--profile FILE).
//
// Sections are QSettings groups and names are kept exactly as given, spaces
// and all ("Serial Port Commmunications", "GPS Section"). Qt writes them
// percent-escaped ("[GPS%20Section]"), which the core's IniProfileStore reads
// back, so the command-line tools see what the application wrote. A '/' in a
// name would nest groups, so names must not contain one.
//
// GetInt reads the text the way the core's stores do, so the application and
// the tools agree on any profile: the leading decimal number, after spaces
// and one '+'; text after the number is ignored ("12abc" reads 12). An absent
// key, a value without a leading number ("abc", "") or one outside the range
// of int gives the fallback. "Port" and "Baud" are read as strings by their
// users, not here.
//
// Each Set writes the file at once, as a registry write would be seen at once:
// the tools may read the profile while the application runs.
//
// UI thread only: QSettings is reentrant, not thread-safe. The receive thread
// never reads the profile; it works on copies of the values taken at start-up.
class QSettingsProfileStore : public ProfileStore {
public:
    QSettingsProfileStore(); // the user's profile
    explicit QSettingsProfileStore(const QString& iniPath);

    int GetInt(std::string_view section, std::string_view key, int fallback) const override;
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view fallback) const override;
    void SetInt(std::string_view section, std::string_view key, int value) override;
    void SetString(std::string_view section, std::string_view key, std::string_view value) override;

    // Writes what is pending; false once the file could not be read or written.
    bool Sync();
    QString FileName() const { return settings.fileName(); }

private:
    std::optional<std::string> Text(std::string_view section, std::string_view key) const;

    QSettings settings;
};
