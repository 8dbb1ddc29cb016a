#include "app/QSettingsProfileStore.h"
#include "profile/IniProfileStore.h"

#include "QStringPrinter.h"
#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

namespace {

// The command-line tools read the application's profile with the core's
// plain INI reader, also while the application runs: both must see the same
// values, each write in the file at once. (Whether Sync fails on an
// unwritable file is the application's start-up tests'.)
TEST(QSettingsProfile, CoreReaderSeesEachWriteOfTheApplicationAtOnce) {
    QTemporaryDir dir;
    const QString path = dir.filePath("profile.ini");
    // A placement record written by hand, without quotes, is still one text.
    std::ofstream(path.toStdString()) << "[Windows]\nHand=44,0,1,-1,-1,-1,-1,10,610,20,420\n";
    // clang-format off
    const std::tuple<std::string, std::string, std::string> texts[] = {
        {"GPS Section", "UseGPRMC", "1"}, {"Chat", "At", "@home"}, {"Chat", "Tab", "a\tb"},
        {"GPS Section", "Dump File Name", "/home/me/logs/roof test.nmea"},
        {"Serial Port Commmunications", "Port", "/dev/pts/7"},
        {"Serial Port Commmunications", "Baud", "19200"},
        {"Chat", "Address", "irc.example.net:6667"}, {"Chat", "Empty", ""},
        {"Chat", "Padded", "  two spaces each side  "}, {"Sky Plot", "Label", "Elevation 10\xC2\xB0"},
        {"Windows", "Placement", "44,0,1,-1,-1,-1,-1,10,610,20,420"},
        {"Windows", "Semicolon", "a;b=c"}, {"General", "Path", "C:\\logs\\say \"hi\""},
    };
    // The same text gives the same number to both, or the default (-99).
    const std::pair<std::string, int> numbers[] = {
        {"19200", 19200}, {"-3", -3}, {"+5", 5}, {" 7", 7}, {"12abc", 12}, {"1 2", 1},
        {"0x10", 0}, {"abc", -99}, {"", -99}, {"- 1", -99}, {"2147483647", 2147483647},
        {"2147483648", -99}, {"-2147483649", -99}};
    // clang-format on
    const auto check = [&](const ProfileStore& profile, const char* reader) {
        SCOPED_TRACE(reader);
        for (const auto& [section, key, value] : texts)
            EXPECT_EQ(profile.GetString(section, key, "absent"), value) << section << " / " << key;
        EXPECT_EQ(profile.GetInt("GPS Section", "Offset", 0), -12);
        EXPECT_EQ(profile.GetInt("Windows", "Hand", 0), 44);
        for (size_t i = 0; i < std::size(numbers); ++i)
            EXPECT_EQ(profile.GetInt("Numbers", "n" + std::to_string(i), -99), numbers[i].second)
                << '"' << numbers[i].first << '"';
        // Names are taken exactly: another spelling is another section.
        EXPECT_EQ(profile.GetString("Serial Port Communications", "Port", "absent"), "absent");
        EXPECT_EQ(profile.GetInt("gps section", "UseGPRMC", 7), 7);
    };
    const auto coreRead = [&] {
        auto core = std::make_unique<IniProfileStore>();
        EXPECT_TRUE(core->Load(QFile::encodeName(path).toStdString())) << core->ErrorString();
        return core;
    };

    QSettingsProfileStore profile(path);
    EXPECT_EQ(profile.GetString("Windows", "Hand", ""), "44,0,1,-1,-1,-1,-1,10,610,20,420");
    for (const auto& [section, key, value] : texts)
        profile.SetString(section, key, value);
    profile.SetInt("GPS Section", "Offset", -12);
    for (size_t i = 0; i < std::size(numbers); ++i)
        profile.SetString("Numbers", "n" + std::to_string(i), numbers[i].first);
    check(*coreRead(), "the core, while the application has the file open");
    check(profile, "the application");
    check(QSettingsProfileStore(path), "the application, opened again");
    EXPECT_NE(ReadFile(path.toStdString())
                  .find("[Serial%20Port%20Commmunications]\nBaud=19200\nPort=/dev/pts/7\n"),
              std::string::npos);
}

// The default profile is the user's Brimwater/Harrowview.conf; the test main
// points XDG_CONFIG_HOME at a folder of its own.
TEST(QSettingsUserProfile, IsBrimwaterHarrowviewConfInTheUsersConfigFolder) {
    ASSERT_FALSE(qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty());
    const QString expected =
        QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath("Brimwater/Harrowview.conf");
    QSettingsProfileStore().SetString("Serial Port Commmunications", "Port", "/dev/ttyACM0");
    EXPECT_EQ(QSettingsProfileStore().FileName(), expected);
    EXPECT_NE(ReadFile(expected.toStdString())
                  .find("[Serial%20Port%20Commmunications]\nPort=/dev/ttyACM0\n"),
              std::string::npos);
}

} // namespace
