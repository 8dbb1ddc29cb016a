#include "app/CChildFrame.h"
#include "app/DocumentRegistry.h"
#include "app/QtWait.h"
#include "app/TestAppContext.h"
#include "app/WindowManager.h"
#include "support/Files.h"
#include "support/SimProcess.h"
#include "ttff/TtffFiles.h"
#include "views/ttff/CTTFFDoc.h"
#include "views/ttff/CTTFFModeDialog.h"
#include "views/ttff/CTTFFview.h"
#include "views/ttff/TtffTemplate.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QMdiArea>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

class TtffWindowTest : public testing::Test, protected TestAppContext {
protected:
    TtffWindowTest() : windows(area, registry, {sink, prompts}) {
        windows.AddTemplate(MakeTtffTemplate(context, [this](TtffSettings& s) {
            ++asked;
            s = answer;
            return accept;
        }));
        area.resize(900, 600);
        area.show();
    }
    CTTFFview* View() {
        CChildFrame* frame = windows.FrameOf(WindowType::Ttff);
        return frame ? static_cast<CTTFFview*>(frame->FirstView()) : nullptr;
    }

    QMdiArea area;
    DocumentRegistry registry;
    WindowManager windows;
    int asked = 0;
    bool accept = true;
    TtffSettings answer{kModeHot, kSingleTest};
};

// The mode is asked before every opening; Cancel, or no test type, opens
// nothing. The dialog shows the current choice and hands back the new one.
TEST_F(TtffWindowTest, ModeQuestionGuardsEveryOpening) {
    accept = false;
    EXPECT_EQ(windows.Open(WindowType::Ttff), nullptr);
    accept = true;
    answer.mode = kModeNone;
    EXPECT_EQ(windows.Open(WindowType::Ttff), nullptr);
    EXPECT_EQ(asked, 2);

    CTTFFModeDialog dialog(kModeNone, 3);
    EXPECT_EQ(dialog.Mode(), kModeHot);
    EXPECT_EQ(dialog.TestCount(), 3);
    dialog.Types().button(2)->setChecked(true);
    EXPECT_EQ(dialog.Mode(), kModeCold);
}

// Save asks for a name (never a silent "Untitled.ttf"); Save As .csv exports
// without taking the file over; a malformed file is refused and changes
// neither the results nor the running test type.
TEST_F(TtffWindowTest, DocumentFiles) {
    ttff = {kModeWarm, kContinuousTests};
    CTTFFDoc doc({sink, prompts}, ttff);
    TtffData results;
    results.fixCount[0] = 1;
    results.fixHistogram[0][12] = 1;
    results.fixTime[0] = results.fixMin[0] = results.fixMax[0] = 12.5;
    results.savedMode = kModeWarm;
    doc.Store(results);
    EXPECT_FALSE(doc.Save()) << "no name given";
    QTemporaryDir dir;
    const std::string csv = dir.filePath("runs.CSV").toStdString();
    ASSERT_TRUE(doc.SaveAs(csv));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.PathName().empty());
    EXPECT_EQ(ReadFile(csv).rfind("TTFF, 12.500000,", 0), 0u);
    const std::string ttf = dir.filePath("a.ttf").toStdString();
    ASSERT_TRUE(doc.SaveAs(ttf));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(ReadFile(ttf).size(), kTtfFileSize);

    TempFile junk("junk-ttf", std::string(kTtfFileSize, '\x7f'));
    EXPECT_FALSE(doc.Open(junk.path));
    EXPECT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(doc.Data(), results);
    EXPECT_EQ(ttff.mode, kModeWarm);
    EXPECT_FALSE(doc.TakeLoaded());
    ASSERT_TRUE(doc.Open(ttf));
    EXPECT_EQ(doc.TakeLoaded(), results);
}

// A single hot test against the simulator, with the window minimised all
// along: it resets, times every milestone and ends complete.
TEST_F(TtffWindowTest, MinimisedWindowRunsASingleTestToTheEnd) {
    QTemporaryDir dir;
    const std::string link = dir.filePath("receiver").toStdString();
    SimProcess sim({"--seed", "9", "--speed", "20", "--link", link});
    ASSERT_FALSE(sim.ReadLine().empty());
    ASSERT_EQ(port.Open(link, 19200), 0);
    receiver.Start(0ms);
    QDir::setCurrent(dir.path()); // the debug file goes to the current folder
    CChildFrame* frame = windows.Open(WindowType::Ttff);
    ASSERT_NE(frame, nullptr);
    frame->showMinimized();
    ASSERT_TRUE(WaitForUi([&] { return View()->Controller().Finished(); }, 30s))
        << View()->ReportText().toStdString();
    const CTTFFview& view = *View();
    ASSERT_EQ(view.Controller().Runs().size(), 1u);
    EXPECT_FALSE(view.Controller().Runs()[0].Failed());
    EXPECT_EQ(ttff.mode, kModeNone) << "a single test is over";
    EXPECT_TRUE(view.ReportText().contains("TEST COMPLETE"));
    auto& doc = static_cast<CTTFFDoc&>(frame->Document());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Data().fixCount[k3D50m], 1);
    EXPECT_GT(ReadFile(dir.filePath("Harrowview_debug.txt").toStdString()).size(), 100u);
    receiver.Stop();
}

} // namespace
