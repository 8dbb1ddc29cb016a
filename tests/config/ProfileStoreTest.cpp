#include "config/IniProfileStore.h"
#include "nmea/DecodeSettings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace {

TEST(IniProfileStore, ReadsEscapedSectionsQuotedValuesAndFallsBack) {
    char path[] = "/tmp/hv-profile-XXXXXX";
    close(mkstemp(path));
    std::ofstream(path) << "[General]\nx=1\n\n[GPS%20Section]\nUseGPRMC=1\nUseGPGGA = 0\r\n"
                           "; comment\n[Settings]\nName=\"a b\"\nBad=12abc\n"
                           "Path=C:\\\\dir\\\\x\nSay=say \\\"hi\\\"\nAt=@@home\n";
    IniProfileStore profile;
    ASSERT_TRUE(profile.Load(path));
    std::remove(path);
    EXPECT_EQ(profile.GetInt("GPS Section", "UseGPRMC", 0), 1);
    EXPECT_EQ(profile.GetInt("GPS Section", "UseGPGGA", 1), 0);
    EXPECT_EQ(profile.GetInt("Settings", "Missing", 42), 42);
    EXPECT_EQ(profile.GetInt("Settings", "Name", 7), 7); // not a number
    // Quotes, and Qt's escapes: backslashes, quotes, a leading '@' doubled.
    for (const auto& [key, value] :
         {std::pair{"Name", "a b"}, {"Path", "C:\\dir\\x"}, {"Say", "say \"hi\""}, {"At", "@home"}})
        EXPECT_EQ(profile.GetString("Settings", key, ""), value);

    IniProfileStore missing;
    EXPECT_FALSE(missing.Load("/nonexistent/dir/profile.ini"));
    EXPECT_NE(missing.ErrorString().find("/nonexistent/dir/profile.ini"), std::string::npos);
}

TEST(DecodeSettings, DefaultsLoadAndSaveUnderTheirKeys) {
    MemoryProfileStore profile;
    DecodeSettings().Save(profile);
    EXPECT_EQ(profile.GetInt("GPS Section", "UseGPRMC", -1), 0);
    EXPECT_EQ(profile.GetInt("GPS Section", "UseGPGGA", -1), 1);
    EXPECT_EQ(profile.GetInt("GPS Section", "IgnoreNMEAChecksum", -1), 0);

    profile.SetInt("GPS Section", "UsePOLYS", 0);
    profile.SetInt("GPS Section", "IgnoreNMEAChecksum", 1);
    DecodeSettings loaded, fromEmpty;
    loaded.Load(profile);
    EXPECT_EQ(loaded.usePOLYS, 0);
    EXPECT_EQ(loaded.ignoreChecksum, 1);
    EXPECT_EQ(loaded.usePOLYT, 1);
    // Absent keys keep the defaults.
    fromEmpty.Load(MemoryProfileStore());
    EXPECT_EQ(fromEmpty.useRMC, 0);
    EXPECT_EQ(fromEmpty.useGSV, 1);
}

} // namespace
