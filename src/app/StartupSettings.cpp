#include "app/StartupSettings.h"

#include "link/ReceiverPort.h"
#include "nmea/DecodeSettings.h"
#include "profile/ProfileStore.h"

#include <cctype>
#include <climits>

std::string_view ReceiverModelName(int index) {
    if (index < 0 || index >= static_cast<int>(kReceiverModels.size())) return {};
    return kReceiverModels[static_cast<size_t>(index)];
}

bool StartupSettings::NetworkLink() const {
    return CReceiverPort::IsNetworkPort(port);
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
    settings.port = profile.GetString(kSerialSection, "Port", kDefaultPort);
    std::string baud = profile.GetString(kSerialSection, "Baud", kDefaultBaud);
    // An emptied value would open "" or set no speed at all: take the default.
    // (Whole new strings: assigning a literal trips GCC 12's -Wrestrict.)
    if (settings.port.find_first_not_of(" \t") == std::string::npos)
        settings.port = std::string(kDefaultPort);
    settings.baud = PlainDecimal(baud);
    if (settings.baud <= 0) {
        baud = std::string(kDefaultBaud);
        settings.baud = PlainDecimal(baud);
    }
    profile.SetString(kSerialSection, "Port", settings.port);
    profile.SetString(kSerialSection, "Baud", baud);
    return settings;
}
