#include "app/StartupSettings.h"
#include "profile/MemoryProfileStore.h"
#include "nmea/DecodeSettings.h"

#include <gtest/gtest.h>

namespace {

// "Port" and "Baud" as a user or another program left them: an emptied value
// takes the default rather than opening "" or setting no speed, and the
// network link is "99999" whatever spaces surround it.
TEST(StartupSettings, PortAndBaudFallBackAndNameTheNetworkLinkOneWay) {
    const struct {
        const char *port, *baud;
        std::string wantPort;
        int wantBaud;
        bool network;
    } rows[] = {
        {"", "", "1", 19200, false},
        {"  ", "0", "1", 19200, false},
        {"/dev/ttyUSB0", "fast", "/dev/ttyUSB0", 19200, false},
        {" 99999 ", "4800", " 99999 ", 4800, true},
        {"99999", "115200", "99999", 115200, true},
        {"099999", "9600", "099999", 9600, false},
        {"99999/dev", "9600", "99999/dev", 9600, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string("Port \"") + row.port + "\" Baud \"" + row.baud + "\"");
        MemoryProfileStore profile;
        profile.SetString(kSerialSection, "Port", row.port);
        profile.SetString(kSerialSection, "Baud", row.baud);
        DecodeSettings decode;
        const StartupSettings read = ReadStartupSettings(profile, decode);
        EXPECT_EQ(read.port, row.wantPort);
        EXPECT_EQ(read.baud, row.wantBaud);
        EXPECT_EQ(read.NetworkLink(), row.network);
        EXPECT_EQ(profile.GetString(kSerialSection, "Port", "?"), row.wantPort);
        EXPECT_EQ(profile.GetString(kSerialSection, "Baud", "?"), std::to_string(row.wantBaud));
    }
}

} // namespace
