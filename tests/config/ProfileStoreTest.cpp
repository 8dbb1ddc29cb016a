#include "config/IniProfileStore.h"
#include "nmea/DecodeSettings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace {

std::string TempFile(const std::string& contents) {
    char name[] = "/tmp/hv-profile-XXXXXX";
    const int fd = mkstemp(name);
    EXPECT_GE(fd, 0);
    close(fd);
    std::ofstream(name) << contents;
    return name;
}

TEST(IniProfileStore, ReadsEscapedSectionsQuotedValuesAndFallsBack) {
    const std::string path = TempFile("[General]\nx=1\n\n[GPS%20Section]\nUseGPRMC=1\n"
                                      "UseGPGGA = 0\r\n; comment\n[Settings]\nName=\"a b\"\n"
                                      "Bad=12abc\nPath=C:\\\\dir\\\\x\nSay=say \\\"hi\\\"\n"
                                      "At=@@home\n");
    IniProfileStore profile;
    ASSERT_TRUE(profile.Load(path));
    std::remove(path.c_str());
    EXPECT_EQ(profile.GetInt("GPS Section", "UseGPRMC", 0), 1);
    EXPECT_EQ(profile.GetInt("GPS Section", "UseGPGGA", 1), 0);
    EXPECT_EQ(profile.GetString("Settings", "Name", ""), "a b");
    EXPECT_EQ(profile.GetInt("Settings", "Missing", 42), 42);
    EXPECT_EQ(profile.GetInt("Settings", "Name", 7), 7); // not a number
    // Qt's escapes: backslashes, quotes, a leading '@' doubled.
    EXPECT_EQ(profile.GetString("Settings", "Path", ""), "C:\\dir\\x");
    EXPECT_EQ(profile.GetString("Settings", "Say", ""), "say \"hi\"");
    EXPECT_EQ(profile.GetString("Settings", "At", ""), "@home");
}

TEST(IniProfileStore, MissingFileSaysWhy) {
    IniProfileStore profile;
    EXPECT_FALSE(profile.Load("/nonexistent/dir/profile.ini"));
    EXPECT_NE(profile.ErrorString().find("/nonexistent/dir/profile.ini"), std::string::npos);
}

TEST(DecodeSettings, DefaultsLoadAndSaveUnderTheirKeys) {
    MemoryProfileStore profile;
    DecodeSettings defaults;
    defaults.Save(profile);
    EXPECT_EQ(profile.GetInt("GPS Section", "UseGPRMC", -1), 0);
    EXPECT_EQ(profile.GetInt("GPS Section", "UseGPGGA", -1), 1);
    EXPECT_EQ(profile.GetInt("GPS Section", "IgnoreNMEAChecksum", -1), 0);

    profile.SetInt("GPS Section", "UsePOLYS", 0);
    profile.SetInt("GPS Section", "IgnoreNMEAChecksum", 1);
    DecodeSettings loaded;
    loaded.Load(profile);
    EXPECT_EQ(loaded.usePOLYS, 0);
    EXPECT_EQ(loaded.ignoreChecksum, 1);
    EXPECT_EQ(loaded.usePOLYT, 1);

    // Absent keys keep the defaults.
    MemoryProfileStore empty;
    DecodeSettings fromEmpty;
    fromEmpty.Load(empty);
    EXPECT_EQ(fromEmpty.useRMC, 0);
    EXPECT_EQ(fromEmpty.useGSV, 1);
}

} // namespace
