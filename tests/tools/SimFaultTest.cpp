#include "RawFrames.h"
#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Each fault option takes away only its own part of the output; commands
// still take effect (MASK is the receiver's cut-off for satellites used in
// the fix).
TEST(SimFaults, EachOptionTakesAwayOnlyItsOwnOutput) {
    for (bool SimConfig::*fault :
         {&SimConfig::silent, &SimConfig::dropReplies, &SimConfig::noPolyn}) {
        SimConfig config = TestConfig();
        config.*fault = true;
        SimReceiver sim(config);
        std::string out = sim.Tick(10);
        out += sim.OnInput("$PZEKS,MASK,30\r\n$PZEKQ,MASK\r\n$PZEKS,RSET,ALM\r\n");
        out += sim.Tick(900);
        Decoder d;
        d.Feed(out);
        const bool silent = fault == &SimConfig::silent;
        EXPECT_EQ(out.empty(), silent);
        EXPECT_EQ(d.state.TakeReplies().size(), fault == &SimConfig::noPolyn ? 3u : 0u);
        EXPECT_EQ(out.find("$POLYN") != std::string::npos, fault == &SimConfig::dropReplies);
        const SatGroup sat = d.state.CopySat();
        EXPECT_EQ(sat.satellitesInView, silent ? 0 : config.satellites);
        for (int i = 0; i < sat.satellitesInView; ++i)
            EXPECT_TRUE(!sat.satellites[i].usedInFix || sat.satellites[i].elevation >= 30);
    }
}

TEST(SimFaults, ShareOfRejectedSentencesFollowsTheBadChecksumRate) {
    for (const auto& [rate, least, most] :
         {std::tuple{0.0, 0.0, 0.0}, {0.25, 0.18, 0.32}, {1.0, 1.0, 1.0}}) {
        SimConfig config = TestConfig();
        config.badChecksumRate = rate;
        SimReceiver sim(config);
        Decoder d;
        d.Feed(sim.Tick(120));
        const double bad = d.framer.ChecksumErrors();
        const double share = bad / (bad + d.state.GetSentenceCount());
        EXPECT_TRUE(share >= least && share <= most) << "rate " << rate << ": " << share;
    }
}

// Raw frames replace NMEA until "$0" or a reset; commands are still answered.
// A frame is a type letter, a hex payload, the hex XOR of the payload, 0x1E.
TEST(SimDebug, RawFramesReplaceNmeaUntilSwitchedOffOrReset) {
    SimReceiver sim(TestConfig());
    sim.Tick(3);
    EXPECT_EQ(sim.OnInput("$11\r\n"), "");
    const std::string raw = sim.Tick(2);
    ASSERT_TRUE(raw.ends_with(kFrameSeparator));
    std::map<char, std::vector<std::string>> frames; // payloads by type, in hex
    for (std::string_view t :
         Split(std::string_view(raw).substr(0, raw.size() - 1), kFrameSeparator)) {
        int check = 0;
        for (size_t at = 1; at + 1 < t.size(); at += 2)
            check ^= std::stoi(std::string(t.substr(at, 2)), nullptr, 16);
        ASSERT_TRUE(t.size() >= 3 && t.size() % 2 == 1 && check == 0) << t;
        frames[t[0]].emplace_back(t.substr(1, t.size() - 3));
    }
    // A time and a fix frame a second, a signal frame a satellite; the monitor
    // only shows what they hold.
    EXPECT_EQ(std::tuple(frames['T'].size(), frames['P'].size(), frames['S'].size()),
              std::tuple(2u, 2u, 2u * 10));
    EXPECT_NE(sim.OnInput("$PZEKQ,VER\r\n").find("$PZEKR,VER"), std::string::npos);

    sim.OnInput("$0\r\n"); // NMEA again, and only NMEA
    const std::string nmea = sim.Tick(1);
    EXPECT_TRUE(nmea.find("$GPGGA") != std::string::npos &&
                nmea.find(kFrameSeparator) == nmea.npos);

    sim.OnInput("$11\r\n");
    EXPECT_EQ(sim.Tick(1).find('$'), std::string::npos);
    EXPECT_NE(sim.OnInput("$PZEKS,RSET\r\n").find("$POLYN,RSET,HOT"), std::string::npos);
    EXPECT_NE(sim.Tick(1).find("$GPGGA"), std::string::npos);
}

} // namespace
