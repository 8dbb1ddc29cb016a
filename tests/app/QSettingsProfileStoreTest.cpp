#include "app/QSettingsProfileStore.h"
#include "config/IniProfileStore.h"

#include "QStringPrinter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

namespace {

std::string FileText(const QString& path) {
    std::ifstream in(QFile::encodeName(path).toStdString());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const QString& path, const std::string& text) {
    std::ofstream(QFile::encodeName(path).toStdString()) << text;
}

// Each test works on an INI file of its own in a fresh folder.
class ProfileFile : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // The file as the command-line tools read it.
    std::unique_ptr<IniProfileStore> CoreRead() {
        auto core = std::make_unique<IniProfileStore>();
        EXPECT_TRUE(core->Load(QFile::encodeName(path).toStdString())) << core->ErrorString();
        return core;
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("profile.ini"));
};

using QSettingsProfile = ProfileFile;

TEST_F(QSettingsProfile, SerialSectionIsWrittenUnderItsExactName) {
    QSettingsProfileStore profile(path);
    profile.SetString("Serial Port Commmunications", "Port", "/dev/ttyUSB0");
    profile.SetInt("Serial Port Commmunications", "Baud", 19200);
    EXPECT_EQ(FileText(path), "[Serial%20Port%20Commmunications]\n"
                              "Baud=19200\n"
                              "Port=/dev/ttyUSB0\n");
}

// The tools may read the profile while the application runs.
TEST_F(QSettingsProfile, EachWriteReachesTheFileAtOnce) {
    QSettingsProfileStore profile(path);
    profile.SetInt("GPS Section", "UsePOLYS", 0);
    EXPECT_EQ(CoreRead()->GetInt("GPS Section", "UsePOLYS", 1), 0);
    profile.SetString("GPS Section", "Dump File", "/tmp/a b.nmea");
    EXPECT_EQ(CoreRead()->GetString("GPS Section", "Dump File", ""), "/tmp/a b.nmea");
}

TEST_F(QSettingsProfile, SyncSaysWhenTheFileCannotBeWritten) {
    WriteFile(path, "not a folder");
    QSettingsProfileStore profile(path + QStringLiteral("/profile.ini"));
    profile.SetInt("GPS Section", "UseGPRMC", 1);
    EXPECT_FALSE(profile.Sync());

    QSettingsProfileStore good(dir.filePath(QStringLiteral("good.ini")));
    good.SetInt("GPS Section", "UseGPRMC", 1);
    EXPECT_TRUE(good.Sync());
}

// A placement record written by hand, without quotes, is still one text.
TEST_F(QSettingsProfile, UnquotedListReadsAsTheTextWritten) {
    WriteFile(path, "[Windows]\nPlacement=44,0,1,-1,-1,-1,-1,10,610,20,420\n");
    const QSettingsProfileStore profile(path);
    EXPECT_EQ(profile.GetString("Windows", "Placement", ""), "44,0,1,-1,-1,-1,-1,10,610,20,420");
    EXPECT_EQ(profile.GetInt("Windows", "Placement", 0), 44);
    EXPECT_EQ(CoreRead()->GetInt("Windows", "Placement", 0), 44);
}

// The default profile is the user's Brimwater/Harrowview.conf; the test main
// points XDG_CONFIG_HOME at a folder of its own.
TEST(QSettingsUserProfile, IsBrimwaterHarrowviewConfInTheUsersConfigFolder) {
    const QString expected =
        QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath("Brimwater/Harrowview.conf");
    ASSERT_FALSE(qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty());
    {
        QSettingsProfileStore profile;
        EXPECT_EQ(profile.FileName(), expected);
        profile.SetString("Serial Port Commmunications", "Port", "/dev/ttyACM0");
    }
    EXPECT_EQ(QSettingsProfileStore().GetString("Serial Port Commmunications", "Port", ""),
              "/dev/ttyACM0");
    EXPECT_NE(FileText(expected).find("[Serial%20Port%20Commmunications]\nPort=/dev/ttyACM0\n"),
              std::string::npos);
}

// The command-line tools read the application's profile with the core's
// plain INI reader; both must see the same values.
using ProfileCrossRead = ProfileFile;

TEST_F(ProfileCrossRead, CoreReaderSeesWhatTheApplicationWrote) {
    struct Entry {
        std::string section, key, value;
    };
    const std::vector<Entry> entries = {
        {"GPS Section", "UseGPRMC", "1"},
        {"GPS Section", "Dump File Name", "/home/me/logs/roof test.nmea"},
        {"Serial Port Commmunications", "Port", "/dev/pts/7"},
        {"Serial Port Commmunications", "Baud", "19200"},
        {"Chat", "Address", "irc.example.net:6667"},
        {"Chat", "Padded", "  two spaces each side  "},
        {"Chat", "Empty", ""},
        {"Sky Plot", "Label", "Elevation 10\xC2\xB0"},
        {"Windows", "Placement", "44,0,1,-1,-1,-1,-1,10,610,20,420"},
        {"Windows", "Semicolon", "a;b=c"},
        {"General", "Path", "C:\\logs\\say \"hi\""},
        {"Chat", "At", "@home"},
        {"Chat", "Tab", "a\tb"},
    };
    {
        QSettingsProfileStore profile(path);
        for (const Entry& e : entries)
            profile.SetString(e.section, e.key, e.value);
        profile.SetInt("GPS Section", "Offset", -12);
    }
    EXPECT_NE(FileText(path).find("[GPS%20Section]\n"), std::string::npos);

    const auto core = CoreRead();
    const QSettingsProfileStore reopened(path);
    for (const Entry& e : entries) {
        SCOPED_TRACE(e.section + " / " + e.key);
        EXPECT_EQ(core->GetString(e.section, e.key, "absent"), e.value);
        EXPECT_EQ(reopened.GetString(e.section, e.key, "absent"), e.value);
    }
    EXPECT_EQ(core->GetInt("GPS Section", "Offset", 0), -12);
    EXPECT_EQ(reopened.GetInt("GPS Section", "Offset", 0), -12);
    // Names are taken exactly: another spelling is another section.
    EXPECT_EQ(reopened.GetString("Serial Port Communications", "Port", "absent"), "absent");
    EXPECT_EQ(reopened.GetInt("gps section", "UseGPRMC", 7), 7);
}

// The application and the tools turn the same text into the same number.
TEST_F(ProfileCrossRead, BothReadIntegersAlike) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"19200", 19200},
        {"-3", -3},
        {"+5", 5},
        {" 7", 7},
        {"12abc", 12},
        {"1 2", 1},
        {"0x10", 0},
        {"abc", -99},
        {"", -99},
        {"- 1", -99},
        {"2147483647", 2147483647},
        {"2147483648", -99},
        {"-2147483649", -99},
    };
    {
        QSettingsProfileStore profile(path);
        for (size_t i = 0; i < cases.size(); ++i)
            profile.SetString("Numbers", "n" + std::to_string(i), cases[i].first);
    }
    const auto core = CoreRead();
    const QSettingsProfileStore reopened(path);
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE('"' + cases[i].first + '"');
        const std::string key = "n" + std::to_string(i);
        EXPECT_EQ(reopened.GetInt("Numbers", key, -99), cases[i].second);
        EXPECT_EQ(core->GetInt("Numbers", key, -99), cases[i].second);
    }
}

} // namespace
