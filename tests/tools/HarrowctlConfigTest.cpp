// harrowctl config against the simulator on its pseudo-terminal: the port,
// receive thread and sender of the application, end to end.

#include "support/Files.h"
#include "support/Harrowctl.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Reply(const std::string& text) {
    return "{\"type\":\"reply\",\"text\":\"" + text + "\"}";
}

TEST(HarrowctlConfig, SendsInOrderAndPrintsTheReceiversReplies) {
    std::string ten, replies;
    std::vector<std::string> tenReplies;
    for (int i = 1; i <= 5; ++i) {
        ten += "$PZEKS,MASK," + std::to_string(i) + "<CR><LF>\r\n$PZEKQ,MASK<CR><LF>\r\n";
        tenReplies.push_back(Reply("$PZEKR,MASK,OK"));
        tenReplies.push_back(Reply("$PZEKR,MASK," + std::to_string(i)));
    }
    const TempFile tenLines("ten", ten);
    // A good first line does not go out when a later one makes the file bad.
    const TempFile bad("bad", "$PZEKS,MASK,9<CR><LF>\r\n\x01\x02junk\r\n");
    const struct {
        std::string args;
        int status;
        std::vector<std::string> lines;
    } cases[] = {
        {"--query MASK", 0, {Reply("$PZEKR,MASK,5")}},
        {"--send '$PZEKS,MASK,7' --query MASK",
         0,
         {Reply("$PZEKR,MASK,OK"), Reply("$PZEKR,MASK,7")}},
        {"--query 'F\"OO' --query VER", // the reply's quote JSON-escaped
         1,
         {Reply("$PZEKR,F\\\"OO,ERR,UNKNOWN"), Reply("$PZEKR,VER,HVSIM,1.0.0")}},
        {"--query VER --apply " + bad.path, 2, {}},
        {"--apply " + tenLines.path, 0, tenReplies},
        {"--query VER --wait x", 2, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        SimProcess sim({"--seed", "5"});
        const std::string port = sim.ReadLine();
        ASSERT_TRUE(port.starts_with("/dev/"));
        const HarrowctlRun run = Harrowctl("config --port " + port + " --wait 1 " + c.args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.lines, c.lines);
    }
}

} // namespace
