// harrowctl upgrade against the simulator: the outcome as one JSON line and
// the exit status a production line script goes by; a file the check
// refuses never reaches the receiver.

#include "support/Files.h"
#include "support/Harrowctl.h"
#include "support/SRecords.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>

namespace {

TEST(HarrowctlUpgrade, ResultLineAndExitStatus) {
    const std::string firmware = FirmwareText(5, "\n");
    const TempFile good("fw", firmware), cut("cut", firmware.substr(0, firmware.size() - 11)),
        header("s0", firmware.substr(0, firmware.find('\n') + 1));
    const struct {
        std::string sim, args;
        int status;
        std::string line; // the start of it
    } cases[] = {
        {"", good.path, 0, R"({"type":"upgrade","result":"Flash Upgrade Complete","records":7})"},
        {"--drop-replies", good.path, 1,
         R"({"type":"upgrade","result":"Acknowledgement not received","records":0})"},
        {"", cut.path, 2,
         R"({"type":"upgrade","result":"Incorrect File Format","detail":")" + cut.path +
             ": no termination record"},
        {"", header.path, 2,
         R"({"type":"upgrade","result":"Incorrect File Format","detail":")" + header.path +
             ": no data record"},
        {"", "--port /nonexistent/tty " + good.path, 2,
         R"({"type":"upgrade","result":"Communication Port Not Found!")"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sim + " " + c.args);
        const TempFile log("loader");
        std::vector<std::string> options = {"--speed", "4", "--loader-log", log.path};
        if (!c.sim.empty()) options.push_back(c.sim);
        SimProcess sim(options);
        const std::string port = sim.ReadLine();
        const HarrowctlRun run =
            Harrowctl("upgrade --port " + port + " " + c.args + " 2>/dev/null");
        EXPECT_EQ(run.status, c.status);
        ASSERT_EQ(run.lines.size(), 1u);
        EXPECT_TRUE(run.lines[0].starts_with(c.line)) << run.lines[0];
        EXPECT_EQ(ReadFile(log.path).empty(), c.status == 2) << "the receiver heard of it";
    }
}

} // namespace
