#include "profile/IniProfileStore.h"
#include "nmea/DecodeSettings.h"
#include "support/Files.h"

#include <gtest/gtest.h>

namespace {

TEST(IniProfileStore, ReadsEscapedSectionsQuotedValuesAndFallsBack) {
    const TempFile file("profile", "[General]\nx=1\n\n[GPS%20Section]\nUseGPRMC=1\nUseGPGGA = 0\r\n"
                                   "; comment\n[Settings]\nName=\"a b\"\nBad=12abc\n"
                                   "Path=C:\\\\dir\\\\x\nSay=say \\\"hi\\\"\nAt=@@home\n");
    IniProfileStore profile;
    ASSERT_TRUE(profile.Load(file.path));
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
    for (const auto& [key, value] :
         {std::pair{"UseGPRMC", 0}, {"UseGPGGA", 1}, {"IgnoreNMEAChecksum", 0}})
        EXPECT_EQ(profile.GetInt("GPS Section", key, -1), value) << key;

    profile.SetInt("GPS Section", "UsePOLYS", 0);
    profile.SetInt("GPS Section", "IgnoreNMEAChecksum", 1);
    DecodeSettings loaded, fromEmpty;
    loaded.Load(profile);
    EXPECT_EQ((std::tuple<int, int, int>(loaded.usePOLYS, loaded.ignoreChecksum, loaded.usePOLYT)),
              std::tuple(0, 1, 1));
    // Absent keys keep the defaults.
    fromEmpty.Load(MemoryProfileStore());
    EXPECT_EQ((std::pair<int, int>(fromEmpty.useRMC, fromEmpty.useGSV)), std::pair(0, 1));
}

} // namespace
