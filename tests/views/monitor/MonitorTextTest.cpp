#include "views/monitor/MonitorText.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// Chunks as they arrive outside debug mode, and what is shown. A backspace
// with nothing before it in its chunk is only dropped: shown text is never
// taken back. Backspaces go first: one after CR LF takes the line feed, and
// the line end comes back with the carriage return.
TEST(MonitorText, ChunksAreShownAs) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"AB\bC"}, "AC"},        {{"A\r\nB"}, "A\r\nB"}, {{"A\nB"}, "AB"},
        {{"A\rB"}, "A\r\nB"},     {{"A\n\rB"}, "A\r\nB"}, {{"AB\b\bC"}, "C"},
        {{"\b\bA"}, "A"},         {{"A\b\b\bB"}, "B"},    {{"$GPGGA\r\n", "\bX"}, "$GPGGA\r\nX"},
        {{"A\r\n\bB"}, "A\r\nB"}, {{"A\r\n\b\bB"}, "AB"}, {{"A\x1E"}, "A\x1E"}};
    for (const auto& [chunks, expected] : cases) {
        MonitorText text;
        for (const std::string& chunk : chunks)
            text.Show(chunk, false);
        EXPECT_EQ(text.Text(), expected) << chunks.back();
    }
}

TEST(MonitorText, DropsTheOldestWhenLarge) {
    MonitorText text;
    std::string filled;
    for (int i = 0; filled.size() < MonitorText::kTrimAt; ++i)
        filled += static_cast<char>('a' + i % 26);
    text.Show(filled.substr(0, 16383), false);
    text.Show("", false); // below 16384: nothing dropped
    text.Show(filled.substr(16383), false);
    ASSERT_EQ(text.Text(), filled);
    text.Show("!", false); // the check comes before the chunk is added
    EXPECT_EQ(text.Text(), filled.substr(4097) + "!");
    // An unended debug frame is bounded too, keeping its newest bytes.
    for (int i = 0; i < 40; ++i)
        text.Show(std::string(1000, 'x') + std::to_string(i % 10), true);
    EXPECT_EQ(text.Pending().size(), MonitorText::kTrimAt);
    EXPECT_EQ(text.Pending().back(), '9');
}

TEST(MonitorText, DebugModeShowsWholeFrames) {
    MonitorText text;
    text.Show("$GPGGA\r\n", false);
    text.TakeChange();
    text.Show("T00\r\n", true);
    text.Show("12", true);
    EXPECT_EQ(text.Text(), "$GPGGA\r\n") << "nothing until a frame ends";
    EXPECT_EQ(text.TakeChange(), MonitorDisplayChange{});
    text.Show("34\x1EP5\n6", true);
    EXPECT_EQ(text.TakeChange(), (MonitorDisplayChange{true, 0, "T00\n1234"}));
    text.Show("\x1E", true);
    EXPECT_EQ(text.Text(), "P5\n6") << "the rest was kept as received";
}

TEST(MonitorText, DisplayOneCharacterPerByte) {
    EXPECT_EQ(MonitorText::Display("A\r\nB\x1E\x01\tC\xB0\x7F"), "A\nB\n?\tC\xB0?");
}

// Whatever arrives, a display that applies each change must end up showing
// exactly the text.
TEST(MonitorText, ChangesKeepADisplayInStep) {
    std::mt19937 random(7);
    const std::string alphabet = "$GPA,0\r\n\r\n\b\x1E\xB0";
    MonitorText text;
    std::string shown;
    for (int round = 0; round < 3000; ++round) {
        std::string chunk(random() % 120, ' ');
        for (char& c : chunk)
            c = alphabet[random() % alphabet.size()];
        text.Show(chunk, round % 500 > 420);
        if (round % 997 == 0) text.Erase();
        if (random() % 3 != 0) continue; // several chunks per display update
        const MonitorDisplayChange change = text.TakeChange();
        if (change.replaced) shown.clear();
        ASSERT_LE(change.removedFront, shown.size());
        shown.erase(0, change.removedFront);
        shown += change.text;
        ASSERT_EQ(shown, MonitorText::Display(text.Text())) << "round " << round;
    }
}

} // namespace
