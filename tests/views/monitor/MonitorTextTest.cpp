#include "views/monitor/MonitorText.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct RuleCase {
    std::string chunk;
    std::string expected;
};

class MonitorRulesTest : public testing::TestWithParam<RuleCase> {};

TEST_P(MonitorRulesTest, ChunkIsShownAs) {
    MonitorText text;
    text.Show(GetParam().chunk, false);
    EXPECT_EQ(text.Text(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, MonitorRulesTest,
    testing::Values(RuleCase{"AB\bC", "AC"}, RuleCase{"A\r\nB", "A\r\nB"}, RuleCase{"A\nB", "AB"},
                    RuleCase{"A\rB", "A\r\nB"}, RuleCase{"A\n\rB", "A\r\nB"},
                    // Backspaces eat backwards; one with nothing before it in
                    // the chunk is only dropped.
                    RuleCase{"AB\b\bC", "C"}, RuleCase{"\b\bA", "A"}, RuleCase{"A\b\b\bB", "B"},
                    // Backspaces go first: one after CR LF takes the line feed,
                    // and the line end comes back with the carriage return.
                    RuleCase{"A\r\n\bB", "A\r\nB"}, RuleCase{"A\r\n\b\bB", "AB"},
                    RuleCase{"", ""}));

TEST(MonitorText, BackspaceAtAChunkStartLeavesShownTextAlone) {
    MonitorText text;
    text.Show("$GPGGA\r\n", false);
    text.Show("\bX", false);
    EXPECT_EQ(text.Text(), "$GPGGA\r\nX");
}

TEST(MonitorText, DropsTheOldestWhenLarge) {
    MonitorText text;
    std::string filled;
    for (int i = 0; filled.size() < MonitorText::kTrimAt; ++i)
        filled += static_cast<char>('a' + i % 26);
    text.Show(filled.substr(0, MonitorText::kTrimAt - 1), false);
    text.Show("", false); // 16383: nothing dropped
    EXPECT_EQ(text.Text().size(), MonitorText::kTrimAt - 1);
    text.Show(filled.substr(MonitorText::kTrimAt - 1), false);
    ASSERT_EQ(text.Text(), filled);
    // The check comes before the chunk is added.
    text.Show("!", false);
    EXPECT_EQ(text.Text(), filled.substr(MonitorText::kTrimCount) + "!");
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
    EXPECT_EQ(text.Text(), "T00\r\n1234");
    EXPECT_EQ(text.Pending(), "P5\n6") << "the rest is kept as received";
    EXPECT_EQ(text.TakeChange(), (MonitorDisplayChange{true, 0, "T00\n1234"}));
    text.Show("\x1E", true);
    EXPECT_EQ(text.Text(), "P5\n6");
    EXPECT_EQ(text.Pending(), "");
}

TEST(MonitorText, SeparatorOutsideDebugModeIsJustACharacter) {
    MonitorText text;
    text.Show("$GPGGA\r\n", false);
    text.Show("A\x1E", false);
    EXPECT_EQ(text.Text(), "$GPGGA\r\nA\x1E");
}

TEST(MonitorText, PendingFrameStaysBounded) {
    MonitorText text;
    const std::string chunk(1000, 'x');
    for (int i = 0; i < 40; ++i)
        text.Show(chunk + std::to_string(i % 10), true);
    EXPECT_EQ(text.Pending().size(), MonitorText::kTrimAt);
    EXPECT_EQ(text.Pending().back(), '9');
}

TEST(MonitorText, DisplayOneCharacterPerByte) {
    EXPECT_EQ(MonitorText::Display("A\r\nB\x1E\x01\tC\xB0\x7F"), "A\nB\n?\tC\xB0?");
}

// The display applies each change to what it shows; whatever arrives, it
// must always end up showing exactly the text.
TEST(MonitorText, ChangesKeepADisplayInStep) {
    std::mt19937 random(7);
    const std::string alphabet = "$GPA,0\r\n\r\n\b\x1E\xB0";
    MonitorText text;
    std::string shown;
    for (int round = 0; round < 3000; ++round) {
        std::string chunk(random() % 120, ' ');
        for (char& c : chunk)
            c = alphabet[random() % alphabet.size()];
        const bool debug = round % 500 > 420;
        text.Show(chunk, debug);
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
