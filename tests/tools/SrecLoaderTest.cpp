#include "SRecord.h"
#include "SimTestSupport.h"

#include <gtest/gtest.h>

namespace {

// An S-record with a correct count and checksum.
std::string Record(char type, const std::vector<uint8_t>& addressAndData) {
    const uint8_t count = static_cast<uint8_t>(addressAndData.size() + 1);
    unsigned sum = count;
    std::string line = Format("S%c%02X", type, count);
    for (uint8_t b : addressAndData) {
        sum += b;
        line += Format("%02X", b);
    }
    return line + Format("%02X", ~sum & 0xFFu);
}

struct RecordCase {
    std::string line;
    SRecordStatus status;
};

TEST(SRecordCheck, RecordsAreJudgedByTypeLengthAndChecksum) {
    const std::string good = Record('1', {0x7A, 0xF0, 0x0A, 0x0B});
    std::string badSum = good;
    badSum.back() = badSum.back() == '0' ? '1' : '0';
    const std::vector<RecordCase> cases = {
        {Record('0', {0, 0, 'h', 'v'}), SRecordStatus::Good},
        {good, SRecordStatus::Good},
        {Record('2', {1, 2, 3, 0xFF}), SRecordStatus::Good},
        {Record('3', {1, 2, 3, 4, 5}), SRecordStatus::Good},
        {Record('5', {0, 3}), SRecordStatus::Good},
        {Record('7', {0, 0, 0, 0}), SRecordStatus::Good},
        {Record('8', {0, 0, 0}), SRecordStatus::Good},
        {Record('9', {0, 0}), SRecordStatus::Good},
        {"S1137AF00A0A0D0000000000000000000000000061", SRecordStatus::Good},
        {badSum, SRecordStatus::BadChecksum},
        {Record('4', {0, 0, 1}), SRecordStatus::Malformed},
        {Record('3', {0, 0}), SRecordStatus::Malformed}, // shorter than its address
        {good.substr(0, good.size() - 1), SRecordStatus::Malformed},
        {good + "00", SRecordStatus::Malformed},
        {"S1057AF00AXY45", SRecordStatus::Malformed},
        {"s1057AF00A0A45", SRecordStatus::Malformed},
        {"S", SRecordStatus::Malformed},
    };
    for (const RecordCase& c : cases)
        EXPECT_EQ(CheckSRecord(c.line).status, c.status) << c.line;
}

class SimLoader : public testing::Test {
protected:
    // Enters the loader; returns what followed the reply.
    std::string Enter(SimReceiver& sim, std::string_view command = "$PZEKS,UPGM,SREC") {
        sim.Tick(5);
        const std::string out = sim.OnInput(std::string(command) + "\r\n");
        Decoder d;
        d.Feed(out);
        replies = d.state.TakeReplies();
        return out.substr(out.find('\n') + 1);
    }

    std::string Send(SimReceiver& sim, const std::vector<std::string>& lines) {
        std::string out;
        for (const std::string& line : lines)
            out += sim.OnInput(line + "\r\n");
        return out;
    }

    const std::vector<std::string> file = {Record('0', {0, 0, 'f', 'w'}),
                                           Record('1', {0, 0, 1, 2, 3}),
                                           Record('1', {0, 3, 4, 5, 6}), Record('9', {0, 0})};
    std::vector<std::string> replies;
};

TEST_F(SimLoader, GoodFileIsFlashedAndTheReceiverComesBack) {
    SimReceiver sim(TestConfig());
    EXPECT_EQ(Enter(sim), "~E\r\n");
    EXPECT_EQ(replies, std::vector<std::string>{"$PZEKR,UPGM,OK"});
    EXPECT_EQ(sim.Tick(5), ""); // no NMEA while loading
    EXPECT_EQ(sim.OnInput("$PZEKQ,VER\r\n"), "");
    EXPECT_EQ(Send(sim, file), "~0\r\n~0\r\n~0\r\n~7\r\n~Era\r\n~Exe\r\nFlash OK\r\n");
    EXPECT_EQ(sim.Tick(1), ""); // rebooting
    const std::string back = sim.Tick(2);
    EXPECT_TRUE(back.starts_with("$POLYN,RSET,HOT*")) << back.substr(0, 30);
    EXPECT_NE(back.find("$GPGGA"), std::string::npos);
}

TEST_F(SimLoader, BadRecordIsAnsweredWithCodeThreeAndFailsTheFlash) {
    SimReceiver sim(TestConfig());
    Enter(sim, "$PSYMS,UPGM,SREC");
    EXPECT_EQ(replies, std::vector<std::string>{"$PSYMR,UPGM,OK"});
    std::vector<std::string> damaged = file;
    damaged[2].back() = damaged[2].back() == 'F' ? 'E' : 'F';
    damaged.insert(damaged.begin() + 1, "hello");
    EXPECT_EQ(Send(sim, damaged), "~0\r\n~4\r\n~0\r\n~3\r\n~7\r\n~Era\r\n~Exe\r\nFlash FAIL\r\n");
}

TEST_F(SimLoader, InjectedCodesReplaceTheNormalAnswer) {
    SimConfig config = TestConfig();
    config.loaderFaults = {{"5", 2}, {"9", 4}};
    SimReceiver sim(config);
    Enter(sim);
    EXPECT_EQ(Send(sim, file), "~0\r\n~5\r\n~0\r\n~9\r\n~Era\r\n~Exe\r\nFlash OK\r\n");
}

} // namespace
