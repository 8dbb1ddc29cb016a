#include "SimTestSupport.h"

#include <gtest/gtest.h>

namespace {

// The replies as the application queues them: no checksum.
std::vector<std::string> Ask(SimReceiver& sim, std::string_view bytes) {
    Decoder d;
    d.Feed(sim.OnInput(bytes));
    EXPECT_EQ(d.framer.ChecksumErrors(), 0u);
    return d.state.TakeReplies();
}

// One receiver, one conversation: what was set is what a query returns,
// every refusal says why, and a configuration reset restores the defaults.
TEST(SimCommands, ConversationKeepsTheSettingsTable) {
    const std::pair<const char*, const char*> conversation[] = {
        {"$PZEKQ,VER", "$PZEKR,VER,HVSIM,1.0.0"},
        {"$PZEKQ,MASK", "$PZEKR,MASK,5"},
        {"$PZEKS,MASK,12", "$PZEKR,MASK,OK"},
        {"$PZEKQ,MASK", "$PZEKR,MASK,12"},
        {"$PZEKS,BAUD,115200", "$PZEKR,BAUD,OK"},
        {"$PZEKS,BAUD,1234", "$PZEKR,BAUD,ERR,VALUE"},
        {"$PZEKQ,BAUD", "$PZEKR,BAUD,115200"},
        {"$PZEKS,DGPS", "$PZEKR,DGPS,ERR,VALUE"},
        {"$PZEKS,VER,2.0", "$PZEKR,VER,ERR,READONLY"},
        {"$PZEKQ,FOO", "$PZEKR,FOO,ERR,UNKNOWN"},
        {"$PZEKS,FOO,1", "$PZEKR,FOO,ERR,UNKNOWN"},
        {"$PZEKQ", "$PZEKR,ERR,SYNTAX"},
        {"$PZEKQ,MASK*00", "$PZEKR,ERR,CHECKSUM"},
        {"$PZEKQ,MASK*6D", "$PZEKR,MASK,12"},
        {"$PSYMQ,MASK", "$PSYMR,MASK,12"},
        {"$PZEKS,RSET,SOON", "$PZEKR,RSET,ERR,VALUE"},
        {"$PZEKS,UPGM,HEX", "$PZEKR,UPGM,ERR,VALUE"},
        {"$PZEKS,PPS,OFF", "$PZEKR,PPS,OK"},
        // Catalogue names: one setting under both names, each in its own form.
        {"$PZEKQ,VERS", "$PZEKR,VERS,HVSIM,1.0.0"},
        {"$PZEKQ,PORT", "$PZEKR,PORT,U1"},
        {"$PZEKS,ELVM,60", "$PZEKR,ELVM,OK"},
        {"$PZEKQ,MASK", "$PZEKR,MASK,60"},
        {"$PZEKS,ELVM,91", "$PZEKR,ELVM,ERR,VALUE"},
        {"$PZEKQ,U1CM", "$PZEKR,U1CM,115.2k,115200,N,1"},
        {"$PZEKS,U1CM,19.2k,19200,N,1", "$PZEKR,U1CM,OK"},
        {"$PZEKQ,BAUD", "$PZEKR,BAUD,19200"},
        {"$PZEKS,U1CM,9.6k,19200,N,1", "$PZEKR,U1CM,ERR,VALUE"},
        {"$PZEKS,DIFF,Y,RTCM,N,30,60,90", "$PZEKR,DIFF,OK"},
        {"$PZEKQ,DGPS", "$PZEKR,DGPS,ON"},
        {"$PZEKS,DGPS,OFF", "$PZEKR,DGPS,OK"},
        {"$PZEKQ,DIFF", "$PZEKR,DIFF,N,RTCM,N,30,60,90"},
        {"$PZEKS,DIFF,ON,RTCM,N,30,60,90", "$PZEKR,DIFF,ERR,VALUE"},
        {"$PZEKS,RXID,4711", "$PZEKR,RXID,OK"},
        {"$PZEKQ,RXID", "$PZEKR,RXID,4711"},
        {"$PZEKS,MMSV,9,4", "$PZEKR,MMSV,ERR,VALUE"},
        {"$PZEKS,TROP,3", "$PZEKR,TROP,ERR,UNKNOWN"},
        {"$PZEKS,PORT,U2", "$PZEKR,PORT,ERR,READONLY"},
        {"$PZEKS,RSET,CONFIG", "$PZEKR,RSET,OK"},
        {"$PZEKQ,MASK", "$PZEKR,MASK,5"},
        {"$PZEKQ,PPS", "$PZEKR,PPS,ON"},
        {"$PZEKQ,U1CM", "$PZEKR,U1CM,9.6k,9600,N,1"},
        {"$PZEKQ,DIFF", "$PZEKR,DIFF,N,RTCM,N,60,60,60"}};
    SimReceiver sim(TestConfig());
    for (const auto& [command, reply] : conversation)
        EXPECT_EQ(Ask(sim, std::string(command) + "\r\n"), std::vector<std::string>{reply})
            << command;
}

TEST(SimCommands, LinesMayArriveInPiecesAndWithAnyLineEnd) {
    SimReceiver sim(TestConfig());
    EXPECT_TRUE(Ask(sim, "$PZEKS,MA").empty());
    EXPECT_EQ(Ask(sim, "SK,20\r\n$PZEKQ,MASK\n$PZEKQ,PPS\r"),
              (std::vector<std::string>{"$PZEKR,MASK,OK", "$PZEKR,MASK,20", "$PZEKR,PPS,ON"}));
    // Not commands for this receiver: ignored.
    EXPECT_TRUE(Ask(sim, "hello\r\n$GPGGA,1,2,3\r\n$PZEKR,MASK,OK\r\n\r\n").empty());
}

} // namespace
