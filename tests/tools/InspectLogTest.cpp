// A log that Harrowview writes must replay to what the live stream showed:
// every capture decoded with --log, then the log decoded, gives the same fix
// and sky lines, and no checksum error the first pass did not have.

#include "nmea/NmeaChecksum.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Decoded {
    std::vector<std::string> lines; // fix and sky
    long checksumErrors = -1;
};

Decoded Inspect(const fs::path& input, const std::string& extra = "") {
    const fs::path out = fs::temp_directory_path() / ("inspect-" + input.filename().string());
    const std::string command = std::string(HV_BINARY_DIR) + "/tools/harrowctl inspect " + extra +
                                " '" + input.string() + "' > '" + out.string() + "'";
    Decoded decoded;
    const bool ran = std::system(command.c_str()) == 0;
    std::ifstream in(out);
    for (std::string line; ran && std::getline(in, line);) {
        if (const size_t at = line.find("\"checksum_errors\":"); at != std::string::npos)
            decoded.checksumErrors = std::stol(line.substr(at + 18));
        else
            decoded.lines.push_back(line);
    }
    fs::remove(out);
    return decoded;
}

void ExpectLogReplays(const fs::path& capture) {
    SCOPED_TRACE(capture.filename().string());
    const fs::path log = fs::temp_directory_path() / ("replay-" + capture.filename().string());
    const Decoded live = Inspect(capture, "--log '" + log.string() + "'");
    const Decoded replayed = Inspect(log);
    fs::remove(log);
    ASSERT_GE(live.checksumErrors, 0) << "harrowctl inspect failed";
    EXPECT_EQ(replayed.lines, live.lines);
    EXPECT_LE(replayed.checksumErrors, live.checksumErrors);
}

TEST(InspectLog, ReplaysEveryCorpusCapture) {
    const fs::path corpus = HV_CORPUS_DIR;
    if (!fs::is_directory(corpus)) GTEST_SKIP() << "no capture corpus at " << corpus;
    int captures = 0;
    for (const auto& entry : fs::directory_iterator(corpus)) {
        if (entry.path().extension() != ".log") continue;
        ExpectLogReplays(entry.path());
        ++captures;
    }
    EXPECT_GT(captures, 30);
}

// A POLYP fix that the quality filter rejects (shown NF on the monitor)
// replays to the same rejected fix.
TEST(InspectLog, ReplaysARejectedFixAndTheDemoCapture) {
    const fs::path capture = fs::temp_directory_path() / "rejected-polyp.nmea";
    std::ofstream(capture, std::ios::binary)
        << NmeaSentence("POLYP,123519.00,4807.0380,N,01131.0000,E,592.3,G3,15.0,22.0,0.5,"
                        "54.7,0,1.0,5.2,1.9,2.2,,")
        << NmeaSentence("POLYP,123520.00,4807.0380,N,01131.0000,E,592.3,G3,15.0,22.0,0.5,"
                        "54.7,0,1.0,1.2,1.9,2.2,,");
    ExpectLogReplays(capture);
    fs::remove(capture);
    ExpectLogReplays(fs::path(HV_SOURCE_DIR) / "data/demo.nmea");
}

} // namespace
