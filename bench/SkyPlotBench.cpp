// The sky plot's timer tick and the paint that follows, in the window's
// heaviest steady state: every trail ring full and every satellite moving,
// so each new point pushes an old one out of its ring. Painted into an
// image on Qt's offscreen platform, at the window's default size.

#include "app/AppContext.h"
#include "app/DocumentPrompts.h"
#include "link/MessageSink.h"
#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"
#include "nmea/DecodeSettings.h"
#include "nmea/ReceiverState.h"
#include "profile/MemoryProfileStore.h"
#include "survey/TruthPosition.h"
#include "ttff/TtffMilestones.h"
#include "views/skyplot/CAzimuthElevationDoc.h"
#include "views/skyplot/CAzimuthElevationView.h"
#include "views/skyplot/CSkyPlotWnd.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

struct NoMessages : MessageSink {
    void ShowMessage(std::string_view, std::string_view, MessageIcon) override {}
};

struct NoPrompts : DocumentPrompts {
    SaveAnswer AskSaveChanges(const QString&) override { return SaveAnswer::No; }
    std::string AskSavePath(std::string_view, std::string_view) override { return {}; }
};

// Step `step` of a sky where each of the table's rows draws its own arc.
void MoveSatellites(ReceiverState& state, int step) {
    StateWriter w(state, StateGroup::Sat);
    w.Sat().satellitesInView = kMaxSatellites;
    for (int i = 0; i < kMaxSatellites; ++i) {
        const int azimuth = (11 * i + step) % 360;
        const int elevation = 5 + (3 * i + step / 360) % 80;
        w.Sat().satellites[static_cast<size_t>(i)] = {i + 1,     42, 0,         azimuth,
                                                      elevation, 1,  i % 3 != 0};
    }
}

void TickAndPaintWithFullTrails(benchmark::State& bench) {
    ReceiverState state;
    MemoryProfileStore profile;
    NoMessages messages;
    NoPrompts prompts;
    DecodeSettings decode;
    CReceiverPort port(messages);
    ReceiveThread receiver(state, port, decode, messages);
    TtffSettings ttff;
    TruthPosition truth;
    AppContext context{state, profile, {messages, prompts}, port, receiver, ttff, truth};
    CAzimuthElevationDoc document({messages, prompts}, profile);
    CAzimuthElevationView view(document, context);
    view.resize(450, 420); // the window's default client area
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);

    int step = 0;
    for (; step < kTrailPoints; ++step) {
        MoveSatellites(state, step);
        view.UpdatePlot();
    }
    int points = 0;
    document.Model().Trails().ForEachDrawable([&](const TrailPoint&) { ++points; });
    for (auto _ : bench) {
        MoveSatellites(state, step++);
        view.UpdatePlot();
        view.PlotWindow().render(&image);
    }
    bench.counters["trail points"] = points;
}
BENCHMARK(TickAndPaintWithFullTrails)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
