#pragma once

#include <array>
#include <string>
#include <string_view>

class ProfileStore;
struct DecodeSettings;

inline constexpr std::string_view kSerialSection = "Serial Port Commmunications";
inline constexpr std::string_view kGpsSection = "GPS Section";

// The receiver models, by the index stored in "GPSModel".
inline constexpr std::array<std::string_view, 5> kReceiverModels{
    "Kestra 50", "Kestra 100", "Kestra Base Station", "Kestra 3000", "Generic Receiver"};

// Empty for an index that selects no model.
std::string_view ReceiverModelName(int index);

inline constexpr const char* kDefaultPort = "1";
inline constexpr const char* kDefaultBaud = "19200";

// What start-up reads from the profile besides the decode flags.
struct StartupSettings {
    int gpsModel = 4;
    int gpsInitEnable = 0;
    std::string port = "1"; // as stored: a device path, a number, or "99999"
    int baud = 19200;

    bool NetworkLink() const;
};

// Reads the "GPS Section" flags into `decode` and the rest into the result,
// then writes "Port" and "Baud" back so they exist after the first run.
StartupSettings ReadStartupSettings(ProfileStore& profile, DecodeSettings& decode);

// The leading decimal number of `text` (after spaces and a sign), 0 when
// there is none, as a plain C conversion reads it.
int PlainDecimal(std::string_view text);
