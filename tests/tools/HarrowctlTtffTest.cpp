// harrowctl ttff against the simulator on its pseudo-terminal: whole batches
// through the application's port, receive thread and TTFF controller.

#include "support/Files.h"
#include "support/Harrowctl.h"
#include "support/SimProcess.h"

#include "ttff/TtffFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

// The seconds of one milestone in a JSON line; nothing for null.
std::optional<double> Time(const std::string& line, const std::string& label) {
    const size_t at = line.find("\"" + label + "\":");
    if (at == std::string::npos || line.compare(at + label.size() + 3, 4, "null") == 0)
        return std::nullopt;
    return std::strtod(line.c_str() + at + label.size() + 3, nullptr);
}

TEST(HarrowctlTtff, TwentyHotTestsAtTwentyTimesSpeed) {
    SimProcess sim({"--speed", "20", "--seed", "8", "--ttff-hot", "8", "--ttff-spread", "0"});
    const std::string port = sim.ReadLine();
    ASSERT_TRUE(port.starts_with("/dev/"));
    const TempFile ttf("batch"), runs("runs");
    const auto start = std::chrono::steady_clock::now();
    const HarrowctlRun batch =
        Harrowctl("ttff --port " + port + " --mode hot --runs 20 --pause 1-1 --ttf " + ttf.path +
                  " --runs-csv " + runs.path + " 2>/dev/null");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
    EXPECT_EQ(batch.status, 0);
    ASSERT_EQ(batch.lines.size(), 21u);
    const std::vector<std::string> order{"2D-10km", "2D-600m", "2D-100m", "2D-50m", "3D-50m"};
    for (int n = 1; n <= 20; ++n) {
        const std::string& line = batch.lines[n - 1];
        SCOPED_TRACE(line);
        EXPECT_TRUE(line.starts_with("{\"type\":\"run\",\"n\":" + std::to_string(n) +
                                     ",\"mode\":\"hot\",\"times\":{\"2D-10km\":"));
        EXPECT_TRUE(line.ends_with("},\"failed\":false}"));
        for (size_t k = 1; k < order.size(); ++k)
            EXPECT_LE(Time(line, order[k - 1]).value_or(999), Time(line, order[k]).value_or(0));
        EXPECT_LE(Time(line, "3D-100m").value_or(999), Time(line, "3D-50m").value_or(0));
        EXPECT_LE(Time(line, "3SV").value_or(999), Time(line, "5SV").value_or(0));
        // Converged 1.25 x 8 s after the reset; a tick is 4 s of the receiver's
        // time, and a loaded machine may run one tick late.
        EXPECT_GE(Time(line, "3D-50m").value_or(0), 10);
        EXPECT_LE(Time(line, "3D-50m").value_or(99), 18.5);
    }
    EXPECT_TRUE(batch.lines[20].starts_with("{\"type\":\"summary\",\"runs\":20,\"failed\":0,"));
    TtffData results;
    std::string error;
    ASSERT_TRUE(ReadTtfFile(ttf.path, results, error)) << error;
    EXPECT_EQ(results.fixCount, (std::array<int32_t, 6>{20, 20, 20, 20, 20, 20}));
    EXPECT_EQ(results.savedMode, kModeHot);
    const std::string rows = ReadFile(runs.path);
    EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 21);
}

// A receiver that never restarts fails every test at its limit, and the
// batch still ends; bad options end it before it starts.
TEST(HarrowctlTtff, BatchesThatCannotSucceedEnd) {
    const struct {
        std::vector<std::string> sim;
        std::string args;
        int status, runs;
    } cases[] = {
        {{"--ignore-resets"}, "--runs 2 --time-limit 3 --pause 0", 1, 2},
        {{"--silent"}, "--runs 1 --time-limit 3", 1, 1},
        {{}, "--runs 2 --mode lukewarm", 2, -1},
        {{}, "--runs 2 --ttf /nonexistent/batch.ttf", 2, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        std::vector<std::string> options{"--speed", "20", "--seed", "4"};
        options.insert(options.end(), c.sim.begin(), c.sim.end());
        SimProcess sim(options);
        const std::string port = sim.ReadLine();
        const HarrowctlRun batch =
            Harrowctl("ttff --port " + port + " --mode hot " + c.args + " 2>/dev/null");
        EXPECT_EQ(batch.status, c.status);
        ASSERT_EQ(batch.lines.size(), static_cast<size_t>(c.runs + 1));
        for (int n = 0; n < c.runs; ++n) {
            EXPECT_EQ(Time(batch.lines[n], "2D-10km"), std::nullopt);
            EXPECT_TRUE(batch.lines[n].ends_with(":null},\"failed\":true}")) << batch.lines[n];
        }
        if (c.runs > 0) {
            EXPECT_TRUE(batch.lines.back().starts_with(
                "{\"type\":\"summary\",\"runs\":" + std::to_string(c.runs) +
                ",\"failed\":" + std::to_string(c.runs) + ","));
        }
    }
}

} // namespace
