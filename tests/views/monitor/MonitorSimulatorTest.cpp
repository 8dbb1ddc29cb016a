// The monitor against the receiver simulator on a pseudo-terminal, through
// the real port and receive thread.
#include "MonitorFixture.h"

#include "support/SimProcess.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QRegularExpression>

namespace {

using namespace std::chrono_literals;

class MonitorSimulatorTest : public MonitorTest {
protected:
    void Type(const QString& line) {
        for (QChar c : line + "\r") {
            QKeyEvent event(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(&view->Edit(), &event);
        }
    }
    void ToggleDebugMonitor() {
        std::unique_ptr<QMenu> menu(view->NewContextMenu(nullptr));
        for (QAction* action : menu->actions())
            if (action->text() == "&Debug Monitor") action->trigger();
    }
    bool ShowsFrames() const {
        // One frame a line: type letter, hex payload, hex check.
        static const QRegularExpression time("(^|\\n)T[0-9A-F]{22}(\\n|$)");
        static const QRegularExpression position("(^|\\n)P[0-9A-F]{32}(\\n|$)");
        static const QRegularExpression satellite("(^|\\n)S[0-9A-F]{14}(\\n|$)");
        const QString shown = Shown();
        return shown.contains(time) && shown.contains(position) && shown.contains(satellite) &&
               !shown.contains('$');
    }
};

TEST_F(MonitorSimulatorTest, QueryRepliesAndDebugFramesRoundTrip) {
    SimProcess sim({"--speed", "2", "--seed", "21"});
    const std::string path = sim.ReadLine();
    ASSERT_FALSE(path.empty());
    ASSERT_EQ(port.Open(path, 19200), 0);
    receiver.Settings().port = path;
    receiver.Start(0ms);

    ASSERT_TRUE(WaitForUi([&] { return Shown().contains("$GPGGA,"); }, 15s));
    Type("$PZEKQ,VER");
    EXPECT_TRUE(WaitForUi([&] { return Shown().contains("$PZEKR,VER,"); }, 15s))
        << Shown().toStdString();

    ToggleDebugMonitor();
    EXPECT_EQ(document->Title(), "DEBUG Monitor Window");
    EXPECT_TRUE(WaitForUi([&] { return ShowsFrames(); }, 15s)) << Shown().toStdString();
    const unsigned decoded = state.GetSentenceCount();
    // Frame by frame: each replaces the last rather than adding to it.
    const QString first = Shown();
    EXPECT_TRUE(WaitForUi([&] { return Shown() != first && ShowsFrames(); }, 15s));
    EXPECT_LT(Shown().size(), 1000) << Shown().toStdString();
    EXPECT_EQ(state.GetSentenceCount(), decoded) << "nothing is decoded in debug mode";

    ToggleDebugMonitor();
    EXPECT_EQ(document->Title(), "NMEA Monitor Window");
    EXPECT_TRUE(
        WaitForUi([&] { return Shown().startsWith("$") && Shown().contains("$GPGGA,"); }, 15s))
        << Shown().toStdString();
    EXPECT_GT(state.GetSentenceCount(), decoded);
}

} // namespace
