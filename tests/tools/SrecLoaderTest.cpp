#include "SimTestSupport.h"
#include "nmea/NmeaChecksum.h"
#include "support/SRecords.h"
#include "upgrade/SRecord.h"

#include <gtest/gtest.h>

namespace {

// Each type has its own address length: a record holding just the address
// is good; one byte less, a digit less or a wrong checksum is not.
TEST(SRecordCheck, RecordsAreJudgedByTypeLengthAndChecksum) {
    const std::pair<char, size_t> types[] = {{'0', 2}, {'1', 2}, {'2', 3}, {'3', 4},
                                             {'5', 2}, {'7', 4}, {'8', 3}, {'9', 2}};
    for (const auto& [type, addressBytes] : types) {
        std::vector<uint8_t> address(addressBytes, 0xA5);
        std::string line = SRecordLine(type, address);
        EXPECT_EQ(CheckSRecord(line).status, SRecordStatus::Good) << line;
        EXPECT_EQ(CheckSRecord(line.substr(0, line.size() - 1)).status, SRecordStatus::Malformed)
            << line;
        line.back() = line.back() == '0' ? '1' : '0';
        EXPECT_EQ(CheckSRecord(line).status, SRecordStatus::BadChecksum) << line;
        address.pop_back();
        EXPECT_EQ(CheckSRecord(SRecordLine(type, address)).status, SRecordStatus::Malformed)
            << type;
    }
    EXPECT_EQ(CheckSRecord("S1137AF00A0A0D0000000000000000000000000061").status,
              SRecordStatus::Good); // from a real file
    for (const char* malformed : {"S404000001FA", "S1057AF00AXY45", "s1057AF00A0A45", "S"})
        EXPECT_EQ(CheckSRecord(malformed).status, SRecordStatus::Malformed) << malformed;
}

// The loader speaks once the line runs at its 38400 baud: ~E, the erase
// result, a code for each record (0 taken, 3 a bad checksum and 9 the fourth
// time, 5 not an S-record), then ~7 ~Era, ~Exe and ~F; after that, or after
// giving up, the receiver comes back with NMEA two seconds later.
TEST(SimLoader, AnswersAtItsSpeedThenFlashesAndComesBack) {
    const std::string good = SRecordLine('1', {0, 0, 1, 2, 3}), end = SRecordLine('9', {0, 0});
    std::string bad = good;
    bad.back() = bad.back() == 'F' ? 'E' : 'F';
    const struct {
        std::vector<std::string> lines;
        std::string answers, flashed;
    } cases[] = {{{good, bad, good, end}, "~0~3~0~7~Era", "~Exe\r\n~F\r\n"},
                 {{good, "hello"}, "~0~5", ""},
                 {{bad, bad, bad, bad}, "~3~3~3~9", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers);
        SimReceiver sim(TestConfig());
        sim.Tick(5);
        EXPECT_EQ(sim.OnInput("$PZEKS,UPGM,SREC\r\n"), NmeaSentence("PZEKR,UPGM,OK"));
        EXPECT_EQ(sim.Tick(1), ""); // no NMEA, and no loader at the old speed
        sim.SetLineBaud(38400);
        EXPECT_EQ(sim.Tick(0.1), "~E\r\n");
        EXPECT_EQ(sim.Tick(1.5), "~0\r\n"); // erased
        std::string answers;
        for (const std::string& line : c.lines)
            answers += sim.OnInput(line + "\r\n");
        std::erase(answers, '\r');
        std::erase(answers, '\n');
        EXPECT_EQ(answers, c.answers);
        std::string after = sim.Tick(1);
        after += sim.Tick(1);
        after += sim.Tick(3);
        EXPECT_TRUE(after.starts_with(c.flashed + "$POLYN,RSET,HOT*")) << after.substr(0, 40);
    }
}

} // namespace
