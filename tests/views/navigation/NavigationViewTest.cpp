#include "views/navigation/CNavigationDoc.h"
#include "views/navigation/CNavigationView.h"
#include "views/navigation/NavigationLayout.h"
#include "views/navigation/PdfPages.h"

#include "app/TestAppContext.h"
#include "app/ViewPrinting.h"
#include "support/Feed.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

class NavigationViewTest : public testing::Test, protected TestAppContext {
protected:
    NavigationViewTest() {
        Feed(state, {"GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,100.0,M,0.0,M,,"});
        view.resize(500, 150);
    }
    QRgb Colour(QPalette::ColorRole role) const { return view.palette().color(role).rgb(); }

    // Rows of the text area with ink in them, gathered into bands: one band a
    // line of text.
    std::vector<std::pair<int, int>> TextBands(const QImage& image) const {
        const PanelRect text = LayoutNavigationPanel(500, 150).text;
        std::vector<std::pair<int, int>> bands;
        for (int y = text.top, inBand = false; y < text.bottom; ++y) {
            bool ink = false;
            for (int x = text.left; x < text.right && !ink; ++x)
                ink = image.pixel(x, y) != Colour(QPalette::Button);
            if (ink && !inBand) bands.push_back({y, y});
            if (ink) bands.back().second = y;
            inBand = ink;
        }
        return bands;
    }

    CNavigationDoc document{{sink, prompts}};
    CNavigationView view{document, state, profile};
};

TEST_F(NavigationViewTest, GrabShowsTheLinesInTheCurrentUnitsAndPrintsOnePage) {
    const QImage statute = view.grab().toImage();
    const auto bands = TextBands(statute);
    ASSERT_EQ(bands.size(), 5u) << "latitude, longitude, altitude, speed, heading";

    profile.SetInt("Settings", "Units", 0); // read again at every draw
    const QImage metric = view.grab().toImage();
    auto sameRows = [&](std::pair<int, int> band) {
        const QRect rows(0, band.first, 500, band.second - band.first + 1);
        return statute.copy(rows) == metric.copy(rows);
    };
    EXPECT_TRUE(sameRows(bands[0])) << "latitude";
    EXPECT_FALSE(sameRows(bands[2])) << "altitude: ft, then m";
    EXPECT_FALSE(sameRows(bands[3])) << "speed: mph, then kph";

    QTemporaryDir dir;
    ASSERT_TRUE(PrintViewToPdf(view, dir.filePath("navigation.pdf")));
    EXPECT_EQ(PdfPageCount(dir.filePath("navigation.pdf")), 1);
}

} // namespace
