#include "config/GpsConfigFile.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <vector>

namespace {

using namespace std::string_literals;

const std::string kRxid = "$PZEKS,RXID,0\r\n";

std::vector<std::string> Commands(const GpsFileRead& read) {
    return {read.rawStrings.begin(), read.rawStrings.begin() + read.count};
}

std::string Lines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "$PZEKQ,VERS<CR><LF>\r\n";
    return text;
}

TEST(GpsConfigFile, ParsesCrLfAndLfFilesSkippingBlankLinesOrRefusesTheWholeFile) {
    const std::string longest(kMaxGpsLine, 'x');
    const struct {
        std::string text;
        std::vector<std::string> commands;
        std::string error; // a part of it; empty when the file is taken
    } cases[] = {
        {"$PZEKS,RXID,0<CR><LF>\r\n", {kRxid}, ""},
        {"$PZEKS,RXID,0<CR><LF>\n", {kRxid}, ""},
        {"\r\n\n$PZEKQ,VERS<LF>\r\n\r\nA<CR>\nB", {"$PZEKQ,VERS\n", "A\r", "B"}, ""},
        {"\tX<CR>\r", {"\tX\r"}, ""},
        {"", {}, ""},
        {longest + "\r\n", {longest}, ""},
        {Lines(10), std::vector<std::string>(10, "$PZEKQ,VERS\r\n"), ""},
        {Lines(11), {}, "holds 11 commands; at most ten fit"},
        {longest + "x\r\n", {}, "line 1 is 1001 bytes long"},
        {"A\r\n\r\nB\0C\r\n"s, {}, "line 3 holds the control byte 0x00"},
        {"A\rB\r\n", {}, "line 1 holds the control byte 0x0D"},
        {"\x7f"
         "ELF\x02\x01",
         {},
         "0x7F"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        const GpsFileRead read = ParseGpsFile(c.text);
        EXPECT_EQ(Commands(read), c.commands);
        EXPECT_NE(read.error.find(c.error), std::string::npos) << read.error;
        EXPECT_EQ(read.Ok(), c.error.empty()) << read.error;
    }
}

// Saved as CR LF lines of display forms, read back from a file that may not
// be written to; a command that would read back otherwise is not saved.
TEST(GpsConfigFile, WritesExactBytesThatReadBackAndRefusesWhatWouldNot) {
    const TempFile file("gps");
    std::string error;
    const std::vector<std::string> slots{kRxid, "", "$PZEKQ,VERS", "b\n"};
    ASSERT_TRUE(WriteGpsFile(file.path, slots, error)) << error;
    EXPECT_EQ(ReadFile(file.path), "$PZEKS,RXID,0<CR><LF>\r\n$PZEKQ,VERS\r\nb<LF>\r\n");
    ASSERT_EQ(::chmod(file.path.c_str(), 0444), 0);
    const GpsFileRead read = ReadGpsFile(file.path);
    EXPECT_EQ(Commands(read), (std::vector<std::string>{kRxid, "$PZEKQ,VERS", "b\n"}));

    for (const std::string& bad :
         {"a\nb"s, "x<LF>"s, "a\x01"s, std::string(kMaxGpsLine, 'y') + "\r"}) {
        std::string bytes = "kept";
        EXPECT_FALSE(EncodeGpsFile(std::vector<std::string>{"ok", bad}, bytes, error));
        EXPECT_TRUE(error.starts_with("command 2 ")) << error;
        EXPECT_EQ(bytes, "kept");
    }
    std::string bytes;
    EXPECT_FALSE(EncodeGpsFile(std::vector<std::string>(11, "Q"), bytes, error));

    for (const char* path : {"/nonexistent/x.gps", "/tmp"}) {
        const GpsFileRead missing = ReadGpsFile(path);
        EXPECT_EQ(missing.count, 0);
        EXPECT_TRUE(missing.error.find(path) != std::string::npos) << missing.error;
    }
    EXPECT_NE(ReadGpsFile("/nonexistent/x.gps").error.find("No such file"), std::string::npos);
    EXPECT_FALSE(WriteGpsFile("/nonexistent/x.gps", slots, error));
    EXPECT_NE(error.find("/nonexistent/x.gps"), std::string::npos);
}

} // namespace
