#include "app/WindowLayout.h"
#include "MainFrameFixture.h"
#include "QStringPrinter.h"

#include <QAction>

namespace {

class WindowLayoutTest : public MainFrameTest {
protected:
    WindowLayoutTest() {
        frame->setGeometry(40, 50, 1000, 700);
        frame->show();
    }

    CChildFrame* OpenAt(WindowType type, QRect rect) {
        CChildFrame* child = frame->OpenWindowType(type);
        child->setGeometry(rect);
        return child;
    }

    // A new main window, as at the next start (close the old one first: that
    // saves the layout).
    void Restore(std::optional<WindowType> only = std::nullopt) {
        frame = MakeFrame();
        RestoreWindowPlacements(*frame, frame->Windows(), profile, only);
    }

    QList<QMdiSubWindow*> Children() const {
        return frame->MdiArea().subWindowList(QMdiArea::StackingOrder);
    }
    std::string Entry(const char* key) const {
        return profile.GetString("WindowPosition", key, "");
    }
};

TEST_F(WindowLayoutTest, SaveAndRestoreRoundTrip) {
    OpenAt(WindowType::SkyPlot, QRect(10, 20, 300, 250));
    OpenAt(WindowType::CommandMonitor, QRect(200, 30, 400, 300));
    // Maximised and on top (activating another would hand it the maximised state).
    OpenAt(WindowType::SignalQuality, QRect(5, 6, 320, 200))->showMaximized();
    CloseFrame();

    EXPECT_EQ(profile.GetInt("WindowPosition", "NumOfWindows", -1), 3);
    EXPECT_EQ(Entry("WINDOW0"), "134,44,0,1,-1,-1,-1,-1,10,310,20,270");
    EXPECT_EQ(Entry("WINDOW1"), "163,44,0,1,-1,-1,-1,-1,200,600,30,330");
    EXPECT_EQ(Entry("WINDOW2"), "130,44,0,3,-1,-1,-1,-1,5,325,6,206")
        << "a maximised window keeps its normal rectangle";

    Restore(); // the main window where it was: its entry was right
    EXPECT_EQ(frame->geometry(), QRect(40, 50, 1000, 700));
    const QList<QMdiSubWindow*> children = Children();
    ASSERT_EQ(children.size(), 3);
    EXPECT_EQ(children.back()->windowTitle(), "Signal Quality Window")
        << "the top one reopens last";
    EXPECT_EQ(frame->Windows().FrameOf(WindowType::SkyPlot)->geometry(), QRect(10, 20, 300, 250));
    CChildFrame* restoredSignal = frame->Windows().FrameOf(WindowType::SignalQuality);
    EXPECT_TRUE(restoredSignal->isMaximized());
    EXPECT_EQ(restoredSignal->NormalRect(), QRect(5, 6, 320, 200));
}

// Which entries the profile yields is the placement parser's business; the
// windows made from them are this one's.
TEST_F(WindowLayoutTest, EntriesOfOneOrAnUnknownTypeOpenOneOrNoWindow) {
    const std::string sky = "134,44,0,1,-1,-1,-1,-1,10,310,20,270";
    const std::string main = "44,0,1,-1,-1,-1,-1,40,1040,50,750";
    // The main window shows without a layout, too.
    const std::tuple<std::string, std::vector<std::string>, std::vector<std::string>> cases[] = {
        {"", {}, {}},
        {main, {sky, "134,44,0,1,-1,-1,-1,-1,50,350,60,310"}, {"Azimuth & Elevation Window"}},
        {main,
         {"999" + sky.substr(3), "150,44,0,1,-1,-1,-1,-1,0,500,0,150"},
         {"Navigation Window"}},
    };
    CloseFrame();
    for (const auto& [mainText, entries, expected] : cases) {
        profile.SetString("WindowPosition", "Main", mainText);
        profile.SetInt("WindowPosition", "NumOfWindows", static_cast<int>(entries.size()));
        for (size_t i = 0; i < entries.size(); ++i)
            profile.SetString("WindowPosition", ChildKey(static_cast<int>(i)), entries[i]);
        Restore();
        EXPECT_TRUE(frame->isVisible());
        std::vector<std::string> opened;
        for (QMdiSubWindow* child : Children())
            opened.push_back(child->windowTitle().toStdString());
        EXPECT_EQ(opened, expected);
        // Where a sky plot opens, the first of its entries placed it.
        if (CChildFrame* skyFrame = frame->Windows().FrameOf(WindowType::SkyPlot)) {
            EXPECT_EQ(skyFrame->geometry(), QRect(10, 20, 300, 250));
        }
        frame.reset(); // without saving: the next case writes its own layout
    }
}

TEST_F(WindowLayoutTest, ViewCommandReopensWhereItWasAndThenBringsItForward) {
    OpenAt(WindowType::SkyPlot, QRect(30, 40, 280, 260));
    OpenAt(WindowType::Navigation, QRect(0, 0, 500, 150));
    CloseFrame();
    Restore(WindowType::Navigation); // the filter: only that type
    ASSERT_EQ(Children().size(), 1);

    frame->Action(Command::SkyPlot)->trigger();
    CChildFrame* sky = frame->Windows().FrameOf(WindowType::SkyPlot);
    ASSERT_NE(sky, nullptr);
    EXPECT_EQ(sky->geometry(), QRect(30, 40, 280, 260));

    // An open type brought forward instead: the window manager's test.
    // Nothing saved for the monitor: its default place.
    frame->Action(Command::CommandMonitor)->trigger();
    EXPECT_NE(frame->Windows().FrameOf(WindowType::CommandMonitor), nullptr);
}

} // namespace
