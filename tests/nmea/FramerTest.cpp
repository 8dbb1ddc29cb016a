#include "nmea/NmeaChecksum.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

namespace {

const std::string kGga = "GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";

// A sentence body whose checksum is `target`, made by choosing its last character.
std::string BodyWithSum(uint8_t target) {
    for (char first = 'A'; first <= 'Z'; ++first) {
        const std::string body = std::string("GPTXT,") + first;
        const char last = static_cast<char>(NmeaChecksum(body) ^ target);
        if (last >= '0' && last <= 'z' && last != '*' && last != ',') return body + last;
    }
    return {};
}

class FramerTest : public testing::Test, public RecordingFramer {};

// With a checksum, or ended by a carriage return without one; whole, or split
// across reads anywhere, also inside the checksum.
TEST(Framer, GoodSentenceIsDecodedCountedLoggedAndShownOnce) {
    const std::string sentence = NmeaSentence(kGga), plain = "$" + kGga + "\r\n";
    const size_t n = sentence.size();
    // clang-format off
    const std::tuple<std::string, size_t, std::string> cases[] = {
        {"\r\n\r\njunk" + sentence, 0, sentence}, {plain, 0, plain}, {sentence, 1, sentence},
        {sentence, 7, sentence}, {sentence, n - 4, sentence}, {sentence, n - 3, sentence}};
    // clang-format on
    for (const auto& [input, cut, echo] : cases) {
        RecordingFramer r;
        r.framer.Feed(input.substr(0, cut));
        EXPECT_EQ(r.state.GetSentenceCount(), 0u);
        r.framer.Feed(input.substr(cut));
        EXPECT_EQ(r.state.GetSentenceCount(), 1u) << echo << ", cut at " << cut;
        EXPECT_EQ(std::tuple(r.state.GetPositionUpdateCount(), r.log.contents, r.monitor.All(),
                             r.monitor.flags),
                  std::tuple(1, echo, echo, std::vector<int>{1}));
    }
}

// Decoders go by the type after a two-letter talker, whichever the talker.
TEST_F(FramerTest, AddressAndDataLengthLimitsAndDispatchByType) {
    const std::pair<std::string, bool> cases[] = {
        {"GPGGAX,1", true},   // six characters: framed, matches nothing
        {"GPGGAXY,1", false}, // seven: dropped silently
        {"GPTXT," + std::string(249, 'a'), true},
        {"GPTXT," + std::string(250, 'a'), false},
        {"GP", false},         // no comma: the checksum and line end run the address over
        {"GP,1", true},        // too short to have a type
        {"POLYX,1,2,3", true}, // no decoder
        {"GNGSA,A,3", true},
    };
    unsigned expectedCount = 0, expectedDropped = 0;
    for (const auto& [body, framed] : cases) {
        framer.Feed(NmeaSentence(body));
        framed ? ++expectedCount : ++expectedDropped;
        EXPECT_EQ(state.GetSentenceCount(), expectedCount) << body.substr(0, 10);
        EXPECT_EQ(framer.Dropped(), expectedDropped) << body.substr(0, 10);
    }
    EXPECT_EQ(monitor.texts.size(), expectedCount);
    EXPECT_EQ(state.GetPositionUpdateCount(), 0);
    EXPECT_EQ(state.GetFixMode(), 3);
}

// Reading stops at a non-hex digit: "0G" is 0 and "4G" is 4 (only that row
// catches a non-hex second digit read as a digit); a non-hex first digit never matches.
TEST_F(FramerTest, ChecksumDigitsAnyCaseAndStopAtNonHex) {
    const std::tuple<uint8_t, const char*, bool> cases[] = {
        {0x4F, "4F", true}, {0x4F, "4f", true},  {0x0A, "0a", true},  {0x00, "0G", true},
        {0x04, "4G", true}, {0x0A, "GA", false}, {0x00, "G0", false},
    };
    unsigned good = 0;
    for (const auto& [sum, checksum, matches] : cases) {
        framer.Feed(std::string("$").append(BodyWithSum(sum)) + "*" + checksum + "\r\n");
        good += matches;
        EXPECT_EQ(state.GetSentenceCount(), good) << checksum;
    }
}

TEST_F(FramerTest, MismatchIsLoggedMarkedWithAnErrorLineShownAsTheSentenceWithoutALogOrIgnored) {
    const std::string body = BodyWithSum(0x4F);
    framer.Feed("$" + body + "*4E\r\n$" + body + "*00\r\n"); // small values pad with a blank
    EXPECT_EQ(state.GetSentenceCount(), 0u);
    EXPECT_EQ(framer.ChecksumErrors(), 2u);
    EXPECT_EQ(log.contents, "#$" + body + "*4E\r\nChecksum Error 4f 4e\r\n#$" + body +
                                "*00\r\nChecksum Error 4f  0\r\n");
    EXPECT_EQ(monitor.All(), "Checksum Error 4f 4e\r\nChecksum Error 4f  0\r\n");
    EXPECT_TRUE(addresses.empty());

    framer.SetLog(nullptr); // without a log, the monitor shows the sentence
    monitor.texts.clear();
    framer.Feed("$GPTXT,x*00\r\n");
    EXPECT_EQ(monitor.All(), "$GPTXT,x*00\r\n");

    settings.ignoreChecksum = 1; // mismatches are decoded
    framer.Feed("$" + kGga + "*00\r\n");
    EXPECT_EQ(state.GetSentenceCount(), 1u);
    EXPECT_EQ(state.GetFixQuality(), 1);
    EXPECT_EQ(framer.ChecksumErrors(), 3u);
    // A rejected fix whose checksum digits read as no number keeps them (a
    // fuzzer found the resealing reading past its digit table here).
    monitor.texts.clear();
    framer.Feed("$POLYP,1,,,,,,G3,700*G5\r\n");
    EXPECT_EQ(monitor.All(), "$POLYP,1,,,,,,NF,700*G5\r\n");
}

// A "$" inside a sentence is data, not a new start: the corpus test (its
// truncated sentences and "$$" captures).

TEST_F(FramerTest, BinaryGarbageAndNulBytesAreSurvived) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 131 + 7) % 256);
    framer.Feed(garbage + "\r\n" + NmeaSentence(kGga));
    EXPECT_EQ(state.GetFixQuality(), 1) << "a good sentence after garbage is still found";

    // A NUL inside the data counts for the checksum but ends the text the
    // decoders see; the echo keeps every byte.
    const std::string withNul = std::string("GPGGA,123600,4807.038,N\0,01131.000,E,2", 38);
    framer.Feed(NmeaSentence(withNul));
    const NavGroup nav = state.CopyNav();
    EXPECT_EQ(nav.minute, 36);
    EXPECT_NEAR(nav.longitude, 11.516666666666667, 1e-12); // unchanged: cut off by the NUL
    EXPECT_EQ(nav.fixQuality, 1);
    EXPECT_EQ(monitor.texts.back(), NmeaSentence(withNul));
}

// Replies are queued as "$" address "," data; the first kMaxQueuedReplies are
// kept until taken.
TEST_F(FramerTest, RepliesAreQueuedAsDollarAddressCommaDataUpToTheCap) {
    for (const char* body : {"PSYMR,VERSION,1.2", "PNMR,9", "PNMRXY,9"})
        framer.Feed(NmeaSentence(body));
    std::vector<std::string> expected{"$PSYMR,VERSION,1.2", "$PNMRXY,9"};
    for (int i = 0; i < kMaxQueuedReplies + 3; ++i) {
        framer.Feed(NmeaSentence("PZEKR," + std::to_string(i)));
        if (i < kMaxQueuedReplies - 2) expected.push_back("$PZEKR," + std::to_string(i));
    }
    EXPECT_EQ(state.TakeReplies(), expected);
    EXPECT_TRUE(state.TakeReplies().empty());
    framer.Feed(NmeaSentence("PZEKR,RSET,OK"));
    EXPECT_EQ(state.TakeReplies(), std::vector<std::string>{"$PZEKR,RSET,OK"});
}

TEST_F(FramerTest, PacingSeesEveryCountedSentenceAndDisabledSentencesAreCountedAndEchoed) {
    std::vector<unsigned> seen;
    framer.SetPacing([&](unsigned count) { seen.push_back(count); });
    framer.Feed(NmeaSentence("GPTXT,1") + "$GPTXT,bad*00\r\n" + "$GPTXT,2\r\n");
    EXPECT_EQ(seen, (std::vector<unsigned>{1, 2}));

    settings.useGGA = 2; // only exactly 1 enables; RMC is off by default
    framer.Feed(NmeaSentence(kGga) + NmeaSentence("GPRMC,225446,V,4916.45,N,12311.12,W"));
    EXPECT_EQ(state.GetSentenceCount(), 4u);
    EXPECT_EQ(state.CopyNav(), NavGroup{});
    EXPECT_EQ(monitor.texts.size(), 5u);
}

} // namespace
