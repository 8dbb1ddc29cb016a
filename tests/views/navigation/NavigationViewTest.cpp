#include "views/navigation/CNavigationDoc.h"
#include "views/navigation/CNavigationView.h"
#include "views/navigation/NavigationLayout.h"

#include "app/TestAppContext.h"
#include "support/Feed.h"
#include "views/PrintedPages.h"

#include <QImage>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Rows of a 500 x 150 panel's text area with ink in them, gathered into
// bands: one band a line of text.
std::vector<std::pair<int, int>> TextBands(const QImage& image, QRgb background) {
    const PanelRect text = LayoutNavigationPanel(500, 150).text;
    std::vector<std::pair<int, int>> bands;
    for (int y = text.top, inBand = false; y < text.bottom; ++y) {
        bool ink = false;
        for (int x = text.left; x < text.right && !ink; ++x)
            ink = image.pixel(x, y) != background;
        if (ink && !inBand) bands.push_back({y, y});
        if (ink) bands.back().second = y;
        inBand = ink;
    }
    return bands;
}

TEST(NavigationView, GrabShowsTheLinesInTheCurrentUnitsAndPrintsOnePage) {
    TestAppContext app;
    Feed(app.state, {"GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,100.0,M,0.0,M,,"});
    CNavigationDoc document{{app.sink, app.prompts}};
    CNavigationView view{document, app.state, app.profile};
    view.resize(500, 150);
    const QImage statute = view.grab().toImage();
    const auto bands = TextBands(statute, view.palette().color(QPalette::Button).rgb());
    ASSERT_EQ(bands.size(), 5u) << "latitude, longitude, altitude, speed, heading";

    app.profile.SetInt("Settings", "Units", 0); // read again at every draw
    const QImage metric = view.grab().toImage();
    auto sameRows = [&](std::pair<int, int> band) {
        const QRect rows(0, band.first, 500, band.second - band.first + 1);
        return statute.copy(rows) == metric.copy(rows);
    };
    EXPECT_TRUE(sameRows(bands[0])) << "latitude";
    EXPECT_FALSE(sameRows(bands[2])) << "altitude: ft, then m";
    EXPECT_FALSE(sameRows(bands[3])) << "speed: mph, then kph";
    EXPECT_EQ(PrintedPages(view), 1);
}

} // namespace
