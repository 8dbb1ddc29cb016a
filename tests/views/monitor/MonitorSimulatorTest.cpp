// The monitor against the receiver simulator on a pseudo-terminal, through
// the real port and receive thread.
#include "MonitorFixture.h"

#include "support/SimProcess.h"

#include <QRegularExpression>

namespace {

using namespace std::chrono_literals;

using MonitorSimulatorTest = MonitorTest;

TEST_F(MonitorSimulatorTest, QueryRepliesAndDebugFramesRoundTrip) {
    SimProcess sim({"--speed", "2", "--seed", "21"});
    OpenPort(sim.ReadLine());
    receiver.Start(0ms);
    ASSERT_TRUE(WaitForUi([&] { return Shown().contains("$GPGGA,"); }, 15s));
    Type("$PZEKQ,VER\r");
    EXPECT_TRUE(WaitForUi([&] { return Shown().contains("$PZEKR,VER,"); }, 15s))
        << Shown().toStdString();

    // One frame a line: type letter, hex payload, hex check; no NMEA.
    auto showsFrames = [&] {
        for (const char* frame : {"T[0-9A-F]{22}", "P[0-9A-F]{32}", "S[0-9A-F]{14}"})
            if (!Shown().contains(QRegularExpression(QString("^%1$").arg(frame),
                                                     QRegularExpression::MultilineOption)))
                return false;
        return !Shown().contains('$');
    };
    Choose("&Debug Monitor");
    EXPECT_TRUE(WaitForUi(showsFrames, 15s)) << Shown().toStdString();
    const unsigned decoded = state.GetSentenceCount();
    const QString first = Shown(); // each frame replaces the last
    EXPECT_TRUE(WaitForUi([&] { return Shown() != first && showsFrames(); }, 15s));
    EXPECT_LT(Shown().size(), 1000) << Shown().toStdString();
    EXPECT_EQ(state.GetSentenceCount(), decoded) << "nothing is decoded in debug mode";

    Choose("&Debug Monitor");
    EXPECT_TRUE(
        WaitForUi([&] { return Shown().startsWith("$") && Shown().contains("$GPGGA,"); }, 15s))
        << Shown().toStdString();
    EXPECT_GT(state.GetSentenceCount(), decoded);

    // Closed in debug mode, the window puts the receiver back on NMEA.
    Choose("&Debug Monitor");
    ASSERT_TRUE(WaitForUi(showsFrames, 15s));
    document.reset();
    view.reset();
    const unsigned closedAt = state.GetSentenceCount();
    EXPECT_TRUE(WaitForUi([&] { return state.GetSentenceCount() > closedAt + 5; }, 15s));
}

} // namespace
