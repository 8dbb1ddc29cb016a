#include "RawFrames.h"
#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(SimFaults, SilentReceiverSendsNothingAndAnswersNothing) {
    SimConfig config = TestConfig();
    config.silent = true;
    SimReceiver sim(config);
    EXPECT_EQ(sim.Tick(30), "");
    EXPECT_EQ(sim.OnInput("$PZEKQ,VER\r\n$PZEKS,RSET\r\n"), "");
    EXPECT_EQ(sim.Tick(30), "");
}

TEST(SimFaults, ShareOfRejectedSentencesFollowsTheBadChecksumRate) {
    struct Case {
        double rate, minShare, maxShare;
    };
    for (const Case c : {Case{0, 0, 0}, Case{0.25, 0.18, 0.32}, Case{1, 1, 1}}) {
        SimConfig config = TestConfig();
        config.badChecksumRate = c.rate;
        SimReceiver sim(config);
        Decoder d;
        d.Feed(sim.Tick(120));
        const double bad = d.framer.ChecksumErrors();
        const double share = bad / (bad + d.state.GetSentenceCount());
        EXPECT_GE(share, c.minShare) << "rate " << c.rate;
        EXPECT_LE(share, c.maxShare) << "rate " << c.rate;
    }
}

// Commands still take effect when their replies are dropped; MASK is the
// receiver's cut-off for satellites used in the fix.
TEST(SimFaults, DroppedRepliesStillCarryOutTheCommand) {
    SimConfig config = TestConfig();
    config.dropReplies = true;
    SimReceiver sim(config);
    sim.Tick(10);
    Decoder d;
    d.Feed(sim.OnInput("$PZEKS,MASK,30\r\n$PZEKQ,MASK\r\n$PZEKS,RSET\r\n"));
    EXPECT_TRUE(d.state.TakeReplies().empty());
    EXPECT_EQ(d.state.GetRestartNotified(), 1);
    d.Feed(sim.Tick(60));
    const SatGroup sat = d.state.CopySat();
    for (int i = 0; i < sat.satellitesInView; ++i) {
        EXPECT_TRUE(!sat.satellites[i].usedInFix || sat.satellites[i].elevation >= 30);
    }
}

TEST(SimFaults, NoPolynLeavesResetsUnannounced) {
    SimConfig config = TestConfig();
    config.noPolyn = true;
    SimReceiver sim(config);
    sim.Tick(5);
    std::string out = sim.OnInput("$PZEKS,RSET,ALM\r\n");
    out += sim.Tick(900);
    EXPECT_EQ(out.find("$POLYN"), std::string::npos);
    EXPECT_NE(out.find("$PZEKR,RSET,OK"), std::string::npos);
}

// Raw frames: type letter, hex payload, hex XOR of the payload, 0x1E.
// Returns the payloads by type, checking the frame layout on the way.
std::map<char, std::vector<std::vector<uint8_t>>> ParseFrames(std::string_view out) {
    std::map<char, std::vector<std::vector<uint8_t>>> frames;
    const auto texts = Split(out, kFrameSeparator);
    EXPECT_TRUE(texts.back().empty()) << "output must end with a separator";
    for (size_t i = 0; i + 1 < texts.size(); ++i) {
        const std::string_view t = texts[i];
        EXPECT_TRUE(t.size() >= 3 && t.size() % 2 == 1) << t;
        std::vector<uint8_t> bytes;
        uint8_t check = 0;
        for (size_t at = 1; at + 1 < t.size(); at += 2) {
            bytes.push_back(
                static_cast<uint8_t>(std::stoi(std::string(t.substr(at, 2)), nullptr, 16)));
            check ^= bytes.back();
        }
        EXPECT_EQ(check, 0) << "XOR of the payload and its check byte: " << t;
        bytes.pop_back();
        frames[t[0]].push_back(bytes);
    }
    return frames;
}

uint32_t BigEndian32(const std::vector<uint8_t>& p) {
    return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
}

// Raw frames replace NMEA until "$0" or a reset; commands are still answered.
TEST(SimDebug, RawFramesReplaceNmeaUntilSwitchedOffOrReset) {
    SimReceiver sim(TestConfig());
    sim.Tick(3);
    EXPECT_EQ(sim.OnInput("$11\r\n"), "");
    const std::string raw = sim.Tick(3);
    EXPECT_EQ(raw.find('$'), std::string::npos);
    auto frames = ParseFrames(raw);
    ASSERT_EQ(frames['T'].size(), 3u);
    EXPECT_EQ(BigEndian32(frames['T'][2]) - BigEndian32(frames['T'][1]), 1000u);
    EXPECT_EQ(frames['S'].size(), 3u * 10);
    ASSERT_EQ(frames['P'].size(), 3u);
    EXPECT_EQ(frames['P'][0].at(0), 3); // 3D
    EXPECT_NE(sim.OnInput("$PZEKQ,VER\r\n").find("$PZEKR,VER"), std::string::npos);

    sim.OnInput("$0\r\n");
    Decoder d;
    d.Feed(sim.Tick(1));
    EXPECT_GT(d.state.GetSentenceCount(), 8u);
    EXPECT_EQ(d.framer.ChecksumErrors(), 0u);

    sim.OnInput("$11\r\n");
    EXPECT_EQ(sim.Tick(1).find('$'), std::string::npos);
    EXPECT_NE(sim.OnInput("$PZEKS,RSET\r\n").find("$POLYN,RSET,HOT"), std::string::npos);
    EXPECT_NE(sim.Tick(1).find("$GPGGA"), std::string::npos);
}

} // namespace
