#include "SRecord.h"
#include "SimTestSupport.h"
#include "nmea/NmeaChecksum.h"

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

// Each type has its own address length: a record holding just the address
// is good; one byte less, a digit less or a wrong checksum is not.
TEST(SRecordCheck, RecordsAreJudgedByTypeLengthAndChecksum) {
    const std::pair<char, size_t> types[] = {{'0', 2}, {'1', 2}, {'2', 3}, {'3', 4},
                                             {'5', 2}, {'7', 4}, {'8', 3}, {'9', 2}};
    for (const auto& [type, addressBytes] : types) {
        std::vector<uint8_t> address(addressBytes, 0xA5);
        std::string line = Record(type, address);
        EXPECT_EQ(CheckSRecord(line).status, SRecordStatus::Good) << line;
        EXPECT_EQ(CheckSRecord(line.substr(0, line.size() - 1)).status, SRecordStatus::Malformed)
            << line;
        line.back() = line.back() == '0' ? '1' : '0';
        EXPECT_EQ(CheckSRecord(line).status, SRecordStatus::BadChecksum) << line;
        address.pop_back();
        EXPECT_EQ(CheckSRecord(Record(type, address)).status, SRecordStatus::Malformed) << type;
    }
    EXPECT_EQ(CheckSRecord("S1137AF00A0A0D0000000000000000000000000061").status,
              SRecordStatus::Good); // from a real file
    for (const char* malformed : {"S404000001FA", "S1057AF00AXY45", "s1057AF00A0A45", "S"})
        EXPECT_EQ(CheckSRecord(malformed).status, SRecordStatus::Malformed) << malformed;
}

// The loader answers each record with a code (0 taken, 3 bad checksum, 4
// malformed, 7 the end), or the code injected for that record; then it
// flashes, and the receiver comes back two seconds later with NMEA.
TEST(SimLoader, AnswersEveryRecordThenFlashesAndComesBack) {
    const std::vector<std::string> file = {Record('0', {0, 0, 'f', 'w'}),
                                           Record('1', {0, 0, 1, 2, 3}),
                                           Record('1', {0, 3, 4, 5, 6}), Record('9', {0, 0})};
    std::vector<std::string> damaged = file;
    damaged[2].back() = damaged[2].back() == 'F' ? 'E' : 'F';
    damaged.insert(damaged.begin() + 1, "hello");
    // The command, injected faults, the file, the answers to its records, the outcome.
    const std::tuple<std::string, std::vector<LoaderFault>, std::vector<std::string>, std::string,
                     std::string>
        cases[] = {{"PZEK", {}, file, "0007", "OK"},
                   {"PSYM", {}, damaged, "04037", "FAIL"},
                   {"PZEK", {{"5", 2}, {"9", 4}}, file, "0509", "OK"}};
    for (const auto& [talker, faults, lines, codes, flash] : cases) {
        SCOPED_TRACE(codes);
        SimConfig config = TestConfig();
        config.loaderFaults = faults;
        SimReceiver sim(config);
        sim.Tick(5);
        EXPECT_EQ(sim.OnInput("$" + talker + "S,UPGM,SREC\r\n"),
                  NmeaSentence(talker + "R,UPGM,OK") + "~E\r\n");
        EXPECT_EQ(sim.Tick(5), ""); // no NMEA while loading
        EXPECT_EQ(sim.OnInput("$PZEKQ,VER\r\n"), "");
        std::string answers, expected;
        for (const std::string& line : lines)
            answers += sim.OnInput(line + "\r\n");
        for (char code : codes)
            expected += std::string("~") + code + "\r\n";
        EXPECT_EQ(answers, expected + "~Era\r\n~Exe\r\nFlash " + flash + "\r\n");
        EXPECT_EQ(sim.Tick(1), ""); // rebooting
        const std::string back = sim.Tick(2);
        EXPECT_TRUE(back.starts_with("$POLYN,RSET,HOT*")) << back.substr(0, 30);
        EXPECT_NE(back.find("$GPGGA"), std::string::npos);
    }
}

} // namespace
