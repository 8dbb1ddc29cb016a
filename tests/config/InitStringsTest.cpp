#include "config/InitStrings.h"
#include "link/ReceiverPort.h"
#include "profile/IniProfileStore.h"
#include "support/Files.h"
#include "support/Pty.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(InitStrings, DisplayAndRawFormsTurnOnlyTheLineEndIntoMarkers) {
    const struct {
        const char *raw, *display;
    } cases[] = {
        {"$PZEKS,RXID,0\r\n", "$PZEKS,RXID,0<CR><LF>"},
        {"a\r", "a<CR>"},
        {"a\n", "a<LF>"},
        {"\r\n", "<CR><LF>"},
        {"a", "a"},
        {"a\rb", "a\rb"}, // a carriage return inside the text is no line end
        {"<CR>x", "<CR>x"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DisplayForm(c.raw), c.display) << c.display;
        EXPECT_EQ(RawForm(c.display), c.raw) << c.display;
    }
}

TEST(InitStringList, EditsKeepTheSlotsContiguous) {
    InitStringList list;
    EXPECT_FALSE(list.Add("", false, false)); // would leave a gap
    EXPECT_FALSE(list.Add("a\r\nb", true, true));
    for (int i = 0; i < kInitStringSlots; ++i)
        ASSERT_TRUE(list.Add("C" + std::to_string(i), i % 2 == 0, i % 3 == 0));
    EXPECT_FALSE(list.Add("full", true, true));
    EXPECT_EQ(list.Displays().front(), "C0<CR><LF>");
    EXPECT_EQ(list.Raw(1), "C1");

    EXPECT_FALSE(list.MoveUp(0));
    EXPECT_FALSE(list.MoveDown(9));
    EXPECT_TRUE(list.MoveDown(0)); // C1 C0 C2 ...
    EXPECT_TRUE(list.MoveUp(9));   // ... C7 C9 C8
    EXPECT_EQ(list.Delete(9), 8);  // the last goes: select the one before
    EXPECT_EQ(list.Delete(0), 0);  // C0 C2 ... C7 C9
    const std::optional<InitCommand> edited = list.Edit(0);
    ASSERT_TRUE(edited);
    EXPECT_EQ((std::tuple(edited->text, edited->cr, edited->lf)), std::tuple("C0", true, true));
    EXPECT_EQ(list.Displays(), (std::vector<std::string>{"C2<CR>", "C3<LF>", "C4<CR>", "C5",
                                                         "C6<CR><LF>", "C7", "C9<LF>"}));
    EXPECT_TRUE(list.Slots()[7].empty());
    while (list.Count() > 1)
        list.Delete(1);
    EXPECT_EQ(list.Delete(0), -1);
    EXPECT_FALSE(list.Edit(0));
}

// What the profile holds comes back byte for byte, gaps closed; in the INI
// file as Qt writes it, quoted for the commas, the line ends escaped.
TEST(InitStringList, ProfileRoundTripKeepsLineEndsAndCommas) {
    MemoryProfileStore memory;
    memory.SetString("GPS Section", "GPSInitString2", "$PZEKS,U1CM,19.2k,19200,N,1\r\n");
    memory.SetString("GPS Section", "GPSInitString5", "$PZEKQ,VERS\n");
    InitStringList list;
    list.LoadFromProfile(memory);
    ASSERT_EQ(list.Count(), 2);
    list.SaveToProfile(memory);
    for (int i = 0; i < kInitStringSlots; ++i)
        EXPECT_EQ(memory.GetString("GPS Section", InitStringKey(i), "absent"), list.Slots()[i]);

    const TempFile file("init", "[GPS%20Section]\nGPSInitString1=\"$PZEKS,U1CM,19.2k,19200,N,"
                                "1\\r\\n\"\nGPSInitString2=\"$PZEKQ,VERS\\n\"\n"
                                "GPSInitString3=\\x1\\x31\\a\\b\\f\\v\n");
    IniProfileStore ini;
    ASSERT_TRUE(ini.Load(file.path));
    InitStringList fromIni;
    fromIni.LoadFromProfile(ini);
    EXPECT_EQ(fromIni.Raw(0), list.Raw(0));
    EXPECT_EQ(fromIni.Raw(1), list.Raw(1));
    EXPECT_EQ(fromIni.Raw(2), "\x01"
                              "1\a\b\f\v"); // Qt's numbered and named escapes
}

struct RecordingProgress : InitProgress {
    std::string status;
    int count = -1, steps = 0;
    void Begin(std::string_view s, int n) override { status = s, count = n; }
    void Step() override { ++steps; }
};

// Every stored string goes out in order, a gap among them included.
TEST(SendInitStrings, SendsEveryNonEmptySlotInOrder) {
    TestPty pty;
    RecordingMessages messages;
    CReceiverPort port(messages);
    const std::vector<std::string> slots{"$PZEKS,RXID,0\r\n", "", "$PZEKQ,VERS", "x\n"};
    RecordingProgress progress;
    EXPECT_EQ(SendInitStrings(port, 3, slots, &progress), 0u); // nothing open
    ASSERT_EQ(port.Open(pty.Path(), 19200), 0);
    EXPECT_EQ(SendInitStrings(port, 5, slots, &progress), 0u);
    EXPECT_EQ(pty.Receive(100), "");
    EXPECT_EQ(SendInitStrings(port, 3, slots, &progress), 3u);
    EXPECT_EQ(pty.Receive(1000), "$PZEKS,RXID,0\r\n$PZEKQ,VERSx\n");
    EXPECT_EQ(progress.status, "Initialising Kestra 3000");
    EXPECT_EQ(progress.count, 3);
    EXPECT_EQ(progress.steps, 6); // three for the closed port, three now
}

} // namespace
