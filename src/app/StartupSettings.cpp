#include "app/StartupSettings.h"

#include "config/ProfileStore.h"
#include "nmea/DecodeSettings.h"

#include <cctype>
#include <climits>

std::string_view ReceiverModelName(int index) {
    if (index < 0 || index >= static_cast<int>(kReceiverModels.size())) return {};
    return kReceiverModels[static_cast<size_t>(index)];
}

bool StartupSettings::NetworkLink() const {
    return PlainDecimal(port) == 99999 && port.find('/') == std::string::npos;
}

int PlainDecimal(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) return 0; // out of range reads as no number
    }
    return static_cast<int>(negative ? -value : value);
}

StartupSettings ReadStartupSettings(ProfileStore& profile, DecodeSettings& decode) {
    decode.Load(profile);
    StartupSettings settings;
    settings.gpsModel = profile.GetInt(kGpsSection, "GPSModel", 4);
    settings.gpsInitEnable = profile.GetInt(kGpsSection, "GPSInitEnable", 0);
    settings.port = profile.GetString(kSerialSection, "Port", "1");
    const std::string baud = profile.GetString(kSerialSection, "Baud", "19200");
    settings.baud = PlainDecimal(baud);
    profile.SetString(kSerialSection, "Port", settings.port);
    profile.SetString(kSerialSection, "Baud", baud);
    return settings;
}
