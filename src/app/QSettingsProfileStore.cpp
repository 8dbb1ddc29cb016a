#include "app/QSettingsProfileStore.h"

#include <QStringList>
#include <QVariant>

#include <charconv>

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString SettingsKey(std::string_view section, std::string_view key) {
    return FromUtf8(section) + QLatin1Char('/') + FromUtf8(key);
}

} // namespace

// On Linux the native format is the INI format; it names the file
// Harrowview.conf where IniFormat would say Harrowview.ini.
QSettingsProfileStore::QSettingsProfileStore()
    : settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brimwater"),
               QStringLiteral("Harrowview")) {}

QSettingsProfileStore::QSettingsProfileStore(const QString& iniPath)
    : settings(iniPath, QSettings::IniFormat) {}

std::optional<std::string> QSettingsProfileStore::Text(std::string_view section,
                                                       std::string_view key) const {
    const QVariant value = settings.value(SettingsKey(section, key));
    if (!value.isValid()) return std::nullopt;
    // Qt reads an unquoted value with commas, as a window placement written
    // by hand, as a list; put the text back together.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    return value.toString().toStdString();
}

int QSettingsProfileStore::GetInt(std::string_view section, std::string_view key,
                                  int fallback) const {
    const std::optional<std::string> text = Text(section, key);
    if (!text) return fallback;
    const char* first = text->data();
    const char* last = text->data() + text->size();
    while (first != last && *first == ' ')
        ++first;
    if (first != last && *first == '+') ++first;
    int value = 0;
    const auto [end, ec] = std::from_chars(first, last, value);
    return (ec == std::errc() && end != first) ? value : fallback;
}

std::string QSettingsProfileStore::GetString(std::string_view section, std::string_view key,
                                             std::string_view fallback) const {
    return Text(section, key).value_or(std::string(fallback));
}

void QSettingsProfileStore::SetInt(std::string_view section, std::string_view key, int value) {
    settings.setValue(SettingsKey(section, key), value);
    settings.sync();
}

void QSettingsProfileStore::SetString(std::string_view section, std::string_view key,
                                      std::string_view value) {
    settings.setValue(SettingsKey(section, key), FromUtf8(value));
    settings.sync();
}

bool QSettingsProfileStore::Sync() {
    settings.sync();
    return settings.status() == QSettings::NoError;
}
