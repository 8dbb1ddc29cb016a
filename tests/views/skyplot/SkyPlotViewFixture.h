#pragma once

// A sky plot view on its own document, with what it needs from the
// application: a receiver state to fill, an in-memory profile, recorders in
// place of message boxes and dialogs.
#include "app/QStringPrinter.h"
#include "app/TestAppContext.h"
#include "views/skyplot/CAzimuthElevationDoc.h"
#include "views/skyplot/CAzimuthElevationView.h"
#include "views/skyplot/CSkyPlotWnd.h"
#include "views/skyplot/MaskFile.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// prn, azimuth, elevation, used in the fix, snr. The default snr is below
// the default threshold (40), so only tests that mean to teach the mask do.
struct TestSatellite {
    int prn = 0;
    int azimuth = 0;
    int elevation = 0;
    int used = 1;
    int snr = 20;
};

class SkyPlotFixture : public testing::Test, protected TestAppContext {
protected:
    // 400 x 400: the plot's centre is (200, 200), its radius 193.
    CAzimuthElevationView& MakeView() {
        view = std::make_unique<CAzimuthElevationView>(document, context);
        view->resize(400, 400);
        view->show();
        return *view;
    }
    void SetSatellites(std::initializer_list<TestSatellite> satellites) {
        StateWriter w(state, StateGroup::Sat);
        w.Sat().satellitesInView = static_cast<int>(satellites.size());
        w.Sat().satellites = {};
        int row = 0;
        for (const TestSatellite& s : satellites)
            w.Sat().satellites[static_cast<size_t>(row++)] = {s.prn,       s.snr, 0,     s.azimuth,
                                                              s.elevation, 1,     s.used};
    }
    // The satellites into the view, then what it shows.
    QImage Update(std::initializer_list<TestSatellite> satellites) {
        SetSatellites(satellites);
        view->UpdatePlot();
        return Shown();
    }
    QImage Shown() const { return view->PlotWindow().grab().toImage(); }
    PlotPoint At(double azimuth, double elevation) const {
        return view->PlotWindow().Geometry().Map(azimuth, elevation);
    }
    QColor PixelAt(const QImage& image, PlotPoint p) const { return image.pixelColor(p.x, p.y); }
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    // A mask file with one learned entry; its path.
    std::string WriteMask(const char* name, int azimuth, int elevation) {
        MaskFileContent content;
        content.mask[static_cast<size_t>(azimuth)] = {azimuth, elevation, 1};
        std::string error;
        EXPECT_TRUE(WriteMaskFile(Path(name), content, error)) << error;
        return Path(name);
    }

    QTemporaryDir dir;
    CAzimuthElevationDoc document{{sink, prompts}, profile};
    std::unique_ptr<CAzimuthElevationView> view;
};
