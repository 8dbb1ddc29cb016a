// The sky plot window fed by the real serial code from the receiver
// simulator on a pseudo-terminal, with a horizon the simulator hides
// satellites behind: the mask the window learns, minimised, must trace that
// horizon.

#include "app/QtWait.h"
#include "app/TestAppContext.h"
#include "support/SimProcess.h"
#include "views/skyplot/CAzimuthElevationDoc.h"
#include "views/skyplot/CAzimuthElevationView.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

namespace {

using namespace std::chrono_literals;

// The simulated horizon: a building from azimuth 60 to 150 hides the sky
// below 30 degrees, elsewhere the terrain below 10.
constexpr int kBuildingFrom = 60, kBuildingTo = 150, kBuildingTop = 30, kTerrain = 10;
// A learned entry is the lowest elevation seen in a 300 ms tick; at 1000
// times real speed a satellite climbs about two degrees per tick.
constexpr int kCloseEnough = 5;

// Per region, [0] behind the building and [1] in the open: learned entries
// within kCloseEnough above the horizon, and entries below it.
struct LearnedMask {
    int close[2] = {}, belowHorizon[2] = {};
    // Satellites rise and set at a dozen or more azimuths in the open and a
    // few behind the building within the test's time.
    bool Traced() const { return close[0] >= 5 && close[1] >= 30; }
};

// Entries next to the building's edges are left out: the simulator rounds
// azimuths to whole degrees.
LearnedMask Summarise(const MaskEntries& mask) {
    LearnedMask learned;
    for (const MaskEntry& e : mask) {
        const int az = e.maskAzimuth;
        if (e.observed == 0 || std::abs(az - kBuildingFrom) <= 1 || std::abs(az - kBuildingTo) <= 1)
            continue;
        const int open = az < kBuildingFrom || az > kBuildingTo;
        const int horizon = open ? kTerrain : kBuildingTop;
        learned.close[open] += e.maskElevation <= horizon + kCloseEnough;
        // Rounding to whole degrees may report a satellite just at the
        // horizon one degree under it.
        learned.belowHorizon[open] += e.maskElevation < horizon - 1;
    }
    return learned;
}

// The simulator with these options on the application's port; it goes
// after the application.
struct SimulatedApp : SimProcess, TestAppContext {
    explicit SimulatedApp(std::vector<std::string> options) : SimProcess(std::move(options)) {
        const std::string path = ReadLine();
        EXPECT_EQ(port.Open(path, 19200), 0) << path;
        receiver.Settings().port = path;
    }
};

TEST(SkyPlotWithSimulator, LearnedMaskTracesTheHorizon) {
    SimulatedApp app({"--speed", "1000", "--seed", "21", "--satellites", "14", "--mask",
                      std::to_string(kTerrain), "--mask-sector",
                      std::to_string(kBuildingFrom) + "-" + std::to_string(kBuildingTo) + ":" +
                          std::to_string(kBuildingTop)});
    app.receiver.Start(0ms);
    // Blocked satellites are listed with no signal; every heard one has at least 20.
    app.profile.SetInt("AzimuthElevation", "SNRThreshold", 20);
    // Minimised, as it often is while it learns: it goes on learning.
    CAzimuthElevationDoc document(app.context.services, app.profile);
    QMdiArea area;
    auto* view = new CAzimuthElevationView(document, app.context);
    area.addSubWindow(view)->showMinimized();
    area.show();
    ASSERT_TRUE(view->TimerRunning());
    ASSERT_FALSE(view->isVisible());

    LearnedMask learned;
    WaitForUi(
        [&] {
            learned = Summarise(document.Model().Mask().Entries());
            return learned.Traced();
        },
        25s);
    app.receiver.Stop();
    EXPECT_TRUE(learned.Traced()) << "entries close to the horizon: " << learned.close[0]
                                  << " behind the building, " << learned.close[1] << " in the open";
    // Never below what the antenna could see.
    EXPECT_EQ(learned.belowHorizon[0] + learned.belowHorizon[1], 0);
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(app.sink.messages.empty());
}

} // namespace
