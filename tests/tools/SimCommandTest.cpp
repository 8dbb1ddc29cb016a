#include "SimTestSupport.h"
#include "nmea/NmeaChecksum.h"

#include <gtest/gtest.h>

namespace {

struct Exchange {
    std::string command;
    std::string reply; // as the application queues it: no checksum
};

std::vector<std::string> Ask(SimReceiver& sim, std::string_view bytes) {
    Decoder d;
    d.Feed(sim.OnInput(bytes));
    EXPECT_EQ(d.framer.ChecksumErrors(), 0u);
    return d.state.TakeReplies();
}

std::string WithChecksum(std::string_view body) {
    std::string s = NmeaSentence(body);
    return s.substr(0, s.size() - 2); // the caller adds the line end
}

// One receiver, one conversation: what was set is what a query returns, and
// every refusal says why.
TEST(SimCommands, ConversationKeepsTheSettingsTable) {
    const std::vector<Exchange> conversation = {
        {"$PZEKQ,VER", "$PZEKR,VER,HVSIM,1.0.0"},
        {"$PZEKQ,MASK", "$PZEKR,MASK,5"},
        {"$PZEKS,MASK,12", "$PZEKR,MASK,OK"},
        {"$PZEKQ,MASK", "$PZEKR,MASK,12"},
        {"$PZEKS,BAUD,115200", "$PZEKR,BAUD,OK"},
        {"$PZEKS,BAUD,1234", "$PZEKR,BAUD,ERR,VALUE"},
        {"$PZEKQ,BAUD", "$PZEKR,BAUD,115200"},
        {"$PZEKS,RATE,11", "$PZEKR,RATE,ERR,VALUE"},
        {"$PZEKS,RATE,x", "$PZEKR,RATE,ERR,VALUE"},
        {"$PZEKS,DGPS", "$PZEKR,DGPS,ERR,VALUE"},
        {"$PZEKS,VER,2.0", "$PZEKR,VER,ERR,READONLY"},
        {"$PZEKQ,FOO", "$PZEKR,FOO,ERR,UNKNOWN"},
        {"$PZEKS,FOO,1", "$PZEKR,FOO,ERR,UNKNOWN"},
        {"$PZEKQ,RSET", "$PZEKR,RSET,ERR,UNKNOWN"},
        {"$PZEKQ", "$PZEKR,ERR,SYNTAX"},
        {"$PZEKQ,MASK*00", "$PZEKR,ERR,CHECKSUM"},
        {WithChecksum("PZEKQ,MASK"), "$PZEKR,MASK,12"},
        {"$PSYMQ,MASK", "$PSYMR,MASK,12"},
        {"$PZEKS,RSET,SOON", "$PZEKR,RSET,ERR,VALUE"},
        {"$PZEKS,UPGM,HEX", "$PZEKR,UPGM,ERR,VALUE"},
    };
    SimReceiver sim(TestConfig());
    for (const Exchange& e : conversation) {
        EXPECT_EQ(Ask(sim, e.command + "\r\n"), std::vector<std::string>{e.reply}) << e.command;
    }
}

TEST(SimCommands, LinesMayArriveInPiecesAndWithAnyLineEnd) {
    SimReceiver sim(TestConfig());
    EXPECT_TRUE(Ask(sim, "$PZEKS,MA").empty());
    EXPECT_EQ(Ask(sim, "SK,20\r\n$PZEKQ,MASK\n$PZEKQ,PPS\r"),
              (std::vector<std::string>{"$PZEKR,MASK,OK", "$PZEKR,MASK,20", "$PZEKR,PPS,ON"}));
    // Not commands for this receiver: ignored.
    EXPECT_TRUE(Ask(sim, "hello\r\n$GPGGA,1,2,3\r\n$PZEKR,MASK,OK\r\n\r\n").empty());
}

TEST(SimCommands, ConfigResetRestoresTheSettings) {
    SimReceiver sim(TestConfig());
    Ask(sim, "$PZEKS,MASK,20\r\n$PZEKS,PPS,OFF\r\n");
    EXPECT_EQ(Ask(sim, "$PZEKS,RSET,CONFIG\r\n"), std::vector<std::string>{"$PZEKR,RSET,OK"});
    EXPECT_EQ(Ask(sim, "$PZEKQ,MASK\r\n$PZEKQ,PPS\r\n"),
              (std::vector<std::string>{"$PZEKR,MASK,5", "$PZEKR,PPS,ON"}));
}

} // namespace
