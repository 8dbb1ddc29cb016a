#include "support/SRecords.h"
#include "upgrade/SRecord.h"
#include "upgrade/UpgradeTexts.h"

#include <gtest/gtest.h>

namespace {

// What goes to the receiver: the file without its header, each line with
// the line end it had; a file the receiver could not take to its end is
// refused whole, with the line that shows why.
TEST(SRecordFile, SendsWholeLinesOfGoodFilesAndRefusesTheRest) {
    const std::string crlf = FirmwareText(3, "\r\n"), lf = FirmwareText(3, "\n");
    const std::string header = crlf.substr(0, crlf.find('\n') + 1);
    const std::string body = crlf.substr(header.size()), end = SRecordLine('9', {0, 0});
    std::string badSum = crlf;
    badSum[header.size() + 10] ^= 1; // a data digit '0' of line 2 becomes '1'
    const struct {
        const char* name;
        std::string text;
        std::string sent;    // on success
        std::string refusal; // its detail otherwise
    } cases[] = {
        {"CR LF, a 514-character S3 record", crlf, body, ""},
        {"LF", lf, lf.substr(lf.find('\n') + 1), ""},
        {"a blank line, none after S9", header + "\r\n" + body.substr(0, body.size() - 2), body,
         ""},
        {"cut inside a record", crlf.substr(0, crlf.size() - 6), "",
         "line 6: not an S-record: S90300"},
        {"cut between records", crlf.substr(0, crlf.size() - end.size() - 2), "",
         "no termination record (S7, S8 or S9): the file may be cut short"},
        {"header only", header, "", "no data record (S1, S2 or S3)"},
        {"empty", "", "", "no data record (S1, S2 or S3)"},
        {"bad checksum", badSum, "", "line 2: bad checksum"},
        {"a record after S9", crlf + SRecordLine('1', {0, 0, 1}), "",
         "line 7: a record after the termination record"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SRecordImage image = CheckSRecordText(c.text);
        std::string sent;
        for (const std::string& record : image.records)
            sent += record;
        EXPECT_EQ(sent, c.sent);
        EXPECT_EQ(image.error, c.refusal.empty() ? "" : UpgradeText::kIncorrectFormat);
        EXPECT_EQ(image.detail, c.refusal);
    }
    const SRecordImage missing = ReadSRecordFile("/nonexistent/fw.s19");
    EXPECT_EQ(missing.error, UpgradeText::kErrorOpeningFile);
    EXPECT_EQ(missing.detail, "/nonexistent/fw.s19: No such file or directory");
}

} // namespace
