#include "views/navigation/CNavigationDoc.h"
#include "views/navigation/CNavigationView.h"
#include "views/navigation/NavigationTemplate.h"
#include "views/navigation/PdfPages.h"

#include "app/CChildFrame.h"
#include "app/DocumentRegistry.h"
#include "app/QStringPrinter.h"
#include "app/TestAppContext.h"
#include "app/ViewPrinting.h"
#include "app/WindowManager.h"
#include "support/Feed.h"

#include <QImage>
#include <QMdiArea>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

const std::string kGga = "GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,100.0,M,0.0,M,,";

class NavigationViewTest : public testing::Test, protected TestAppContext {
protected:
    NavigationViewTest() {
        Feed(state, {kGga});
        view.resize(500, 150);
    }
    QImage Shown() { return view.grab().toImage(); }
    QColor Colour(QPalette::ColorRole role) const { return view.palette().color(role); }

    // Rows of the text area with anything but the panel colour in them,
    // gathered into bands: one band per line of text.
    std::vector<std::pair<int, int>> TextBands(const QImage& image) const {
        const QRgb face = Colour(QPalette::Button).rgb();
        std::vector<std::pair<int, int>> bands;
        bool inBand = false;
        for (int y = 11; y < 139; ++y) {
            bool ink = false;
            for (int x = 11; x < 489 && !ink; ++x)
                ink = image.pixel(x, y) != face;
            if (ink && !inBand) bands.push_back({y, y});
            if (ink) bands.back().second = y;
            inBand = ink;
        }
        return bands;
    }

    CNavigationDoc document{{sink, prompts}};
    CNavigationView view{document, state, profile};
};

TEST_F(NavigationViewTest, ShowsFiveLinesOnARaisedPanelWithASunkenFrame) {
    const QImage image = Shown();
    const QRgb face = Colour(QPalette::Button).rgb();
    const QRgb light = Colour(QPalette::Light).rgb();
    const QRgb shadow = Colour(QPalette::Shadow).rgb();
    ASSERT_NE(light, shadow);
    EXPECT_EQ(image.pixel(0, 0), face);
    EXPECT_EQ(image.pixel(5, 5), face) << "the gap between the borders";
    // Raised: light top and left, dark bottom and right, 2 pixels in.
    EXPECT_EQ(image.pixel(100, 2), light);
    EXPECT_EQ(image.pixel(2, 100), light);
    EXPECT_EQ(image.pixel(100, 147), shadow);
    EXPECT_EQ(image.pixel(497, 100), shadow);
    // Sunken: the other way round, 8 pixels in.
    EXPECT_EQ(image.pixel(100, 8), shadow);
    EXPECT_EQ(image.pixel(8, 100), shadow);
    EXPECT_EQ(image.pixel(100, 141), light);
    EXPECT_EQ(image.pixel(491, 100), light);
    // Latitude, longitude, altitude, speed, heading.
    EXPECT_EQ(TextBands(image).size(), 5u);
}

TEST_F(NavigationViewTest, UnitsAreReadAtEveryDraw) {
    const QImage statute = Shown();
    profile.SetInt("Settings", "Units", 0);
    const QImage metric = Shown();
    const auto bands = TextBands(statute);
    ASSERT_EQ(bands.size(), 5u);
    auto sameRows = [&](std::pair<int, int> band) {
        for (int y = band.first; y <= band.second; ++y)
            if (statute.copy(0, y, 500, 1) != metric.copy(0, y, 500, 1)) return false;
        return true;
    };
    EXPECT_TRUE(sameRows(bands[0])) << "latitude";
    EXPECT_FALSE(sameRows(bands[2])) << "altitude: ft, then m";
    EXPECT_FALSE(sameRows(bands[3])) << "speed: mph, then kph";
}

TEST_F(NavigationViewTest, PrintsOnePage) {
    QTemporaryDir dir;
    const QString path = dir.filePath("navigation.pdf");
    ASSERT_TRUE(PrintViewToPdf(view, path));
    EXPECT_EQ(PdfPageCount(path), 1);
}

TEST_F(NavigationViewTest, TemplateOpensTheNavigationWindow) {
    QMdiArea area;
    DocumentRegistry registry;
    WindowManager manager(area, registry, context.services);
    manager.AddTemplate(MakeNavigationTemplate(context));
    area.show();

    CChildFrame* frame = manager.Open(WindowType::Navigation);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->windowTitle(), "Navigation Window");
    auto* view = qobject_cast<CNavigationView*>(frame->widget());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->TimerRunning());
    EXPECT_TRUE(frame->Document().FileOpen()) << "taken, and nothing opened";
    EXPECT_TRUE(sink.messages.empty());
}

} // namespace
