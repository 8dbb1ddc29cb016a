#include "SkyPlotViewFixture.h"
#include "app/CChildFrame.h"
#include "app/DocumentRegistry.h"
#include "app/ViewPrinting.h"
#include "app/WindowManager.h"
#include "views/skyplot/SkyPlotPainting.h"
#include "views/skyplot/SkyPlotTemplate.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cmath>
#include <filesystem>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kOrange(252, 145, 66);
const QColor kBlue(0, 0, 255);
const QColor kCyan(0, 255, 255);

// Pixels of exactly `colour` in a rectangle.
int CountColour(const QImage& image, const QRect& area, const QColor& colour) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

// Where a marker's label goes: below the marker, generously wide.
QRect LabelArea(PlotPoint marker) {
    return {marker.x - 40, marker.y + 5, 80, 40};
}

class SkyPlotViewTest : public SkyPlotFixture {};

TEST(TrailDots, TwoByTwoLogicalPixelsInsideTheDiskAtAnyPixelRatio) {
    QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2); // 50 x 50 logical pixels
    image.fill(Qt::black);
    TrailDotWriter dots(image, PolarGeometry(25, 25, 20));
    dots.Put({3, 90, 45, 1, 30});  // logical (35, 25): device 70..73, 50..53
    dots.Put({3, 270, -30, 0, 9}); // beyond the rim
    EXPECT_EQ(CountColour(image, image.rect(), kGreen), 16);
    EXPECT_EQ(CountColour(image, QRect(70, 50, 4, 4), kGreen), 16);
    EXPECT_EQ(CountColour(image, image.rect(), kOrange), 0);
}

TEST_F(SkyPlotViewTest, MarkerAtTheMappedPointOnlyForSatellitesWithAPosition) {
    MakeView();
    const PlotPoint expected = At(90, 45); // the mapping is the core's
    const QImage empty = Update({});
    EXPECT_NE(PixelAt(empty, expected), kWhite);
    const QImage image = Update({{5, 90, 45}});
    for (int d : {0, 2, -2})
        EXPECT_EQ(image.pixelColor(expected.x + d, expected.y + std::abs(d)), kWhite) << d;
    // Without a position nothing is drawn; due north and the horizon are positions.
    view->ClearTrails();
    for (const auto& [s, drawn] : {std::pair{TestSatellite{5, 0, 0}, false},
                                   {{5, 100, 91}, false},
                                   {{0, 100, 30}, false},
                                   {{5, 0, 30}, true},
                                   {{5, 100, 0}, true}}) {
        view->PlotWindow().RedrawAll(); // a fresh image for each
        EXPECT_EQ(Update({s}) == empty, !drawn) << s.prn << "/" << s.azimuth << "/" << s.elevation;
    }
}

TEST_F(SkyPlotViewTest, LabelColoursAndDetails) {
    MakeView();
    const TestSatellite used{5, 270, 60, 1}, unused{7, 90, 60, 0}, high{35, 180, 60, 1};
    QImage image = Update({used, unused, high});
    const struct {
        PlotPoint at;
        QColor colour;
    } labels[] = {{At(270, 60), kGreen}, {At(90, 60), kRed}, {At(180, 60), kBlue}};
    for (const auto& label : labels)
        for (const QColor& colour : {kGreen, kRed, kBlue}) {
            const int count = CountColour(image, LabelArea(label.at), colour);
            EXPECT_TRUE(colour == label.colour ? count > 10 : count == 0)
                << label.at.x << "," << label.at.y << ": " << count;
        }
    // " SV:5 \n A:270 E:60 " takes two lines; without details "5", far fewer pixels.
    const int withDetails = CountColour(image, LabelArea(labels[0].at), kGreen);
    view->ToggleSatDetails();
    const int prnOnly = CountColour(Shown(), LabelArea(labels[0].at), kGreen);
    EXPECT_GT(prnOnly, 0);
    EXPECT_GT(withDetails, 4 * prnOnly);
    EXPECT_EQ(profile.GetInt("AzimuthElevation", "EnableSatDetails", 1), 0);
}

TEST_F(SkyPlotViewTest, TrailsShowWhereSatellitesWereUntilTheyLeaveTheRing) {
    MakeView();
    const TestSatellite path[] = {
        {3, 60, 30, 1, 30}, {3, 62, 30, 1, 0}, {3, 64, 30, 0, 30}, {3, 66, 30, 1, 30}};
    const QColor colours[] = {kGreen, kRed, kOrange};
    for (const TestSatellite& s : path)
        Update({s});
    Update({path[3]}); // unmoved: no new point, no harm
    const auto checkTrails = [&](bool shown) {
        const QImage image = Shown();
        for (int i = 0; i < 3; ++i) {
            const PlotPoint p = At(path[i].azimuth, path[i].elevation);
            for (const QPoint& pixel : {QPoint(p.x, p.y), QPoint(p.x + 1, p.y + 1)})
                EXPECT_EQ(image.pixelColor(pixel) == colours[i], shown) << "point " << i;
        }
    };
    checkTrails(true);
    view->ToggleTrails();
    checkTrails(false); // hidden, still stored
    view->ToggleTrails();
    checkTrails(true);
    view->ClearTrails();
    checkTrails(false);

    // 501 positions in two rings of azimuths, 10 degrees of elevation apart.
    const auto position = [](int i) { return TestSatellite{3, 10 + i % 300, 20 + 10 * (i / 300)}; };
    const PlotPoint first = At(10, 20), second = At(11, 20);
    for (int i = 0; i < 500; ++i)
        Update({position(i)});
    Update({position(499)}); // unmoved just after the ring's index wrapped: no new point
    EXPECT_EQ(PixelAt(Shown(), first), kGreen);
    const QImage image = Update({position(500)});
    EXPECT_NE(PixelAt(image, first), kGreen); // overwritten in its ring
    EXPECT_EQ(PixelAt(image, second), kGreen);
}

TEST_F(SkyPlotViewTest, MaskOutlineAndContextMenuCommandsWithCheckMarksFromTheProfile) {
    profile.SetInt("AzimuthElevation", "SNRThreshold", 40);
    profile.SetInt("AzimuthElevation", "EnableTrails", 0);
    MakeView();
    std::unique_ptr<QMenu> menu(view->CreateContextMenu(nullptr));
    const auto item = [&](const char* text) {
        for (QAction* action : menu->actions())
            if (action->text() == text) return action;
        ADD_FAILURE() << text;
        return new QAction(menu.get());
    };
    EXPECT_FALSE(item("&Enable Satellite Trails")->isChecked()); // from the profile, and taken over
    EXPECT_EQ(document.Model().Options().enableTrails, 0);
    EXPECT_TRUE(item("E&nable Physical Mask Angle")->isChecked());

    QImage image = Update({{5, 123, 20, 0, 45}}); // not used: nothing learned
    EXPECT_EQ(CountColour(image, image.rect(), kCyan), 0);
    EXPECT_FALSE(document.IsModified());
    image = Update({{5, 123, 20, 1, 45}, {9, 300, 30, 0, 45}}); // the used one lets both in
    EXPECT_TRUE(document.IsModified());
    // A closed line through the two entries, crossing the plot.
    const PlotPoint a = At(123, 20), b = At(300, 30);
    for (const QPoint& p :
         {QPoint(a.x, a.y), QPoint(b.x, b.y), QPoint((a.x + b.x) / 2, (a.y + b.y) / 2)})
        EXPECT_EQ(image.pixelColor(p), kCyan) << p.x() << "," << p.y();

    item("&Enable Satellite Trails")->trigger();
    item("E&nable Physical Mask Angle")->trigger();
    EXPECT_EQ(CountColour(Shown(), image.rect(), kCyan), 0);
    menu.reset(view->CreateContextMenu(nullptr));
    EXPECT_TRUE(item("&Enable Satellite Trails")->isChecked());
    EXPECT_FALSE(item("E&nable Physical Mask Angle")->isChecked());
    item("C&lear Physical Mask Angle")->trigger(); // a reset mask, no file's yet
    EXPECT_EQ(document.Model().Mask().Entries()[123], (MaskEntry{123, 76, 0}));
    EXPECT_EQ(document.Title(), "Untitled");
    EXPECT_EQ(document.PathName(), (std::filesystem::current_path() / "Untitled.msk").string());
}

TEST_F(SkyPlotViewTest, PrintsOnePageWithTheComment) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        FAIL() << "pdftotext (Debian package poppler-utils) is needed to read the printed page";
    MakeView();
    Update({{5, 123, 20, 1, 45}, {35, 200, 50, 0, 45}});
    document.Model().SetComment("Antenna on the north mast, trees to the south-west");
    const QString pdf = dir.filePath("plot.pdf");
    ASSERT_TRUE(PrintViewToPdf(*view, pdf));
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(text.waitForFinished(20000));
    QString words = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_EQ(words.count('\f'), 1) << "pages"; // one form feed after each page
    words.replace(QRegularExpression("\\s+"), " ");
    EXPECT_TRUE(words.contains("Antenna on the north mast, trees to the south-west") &&
                words.contains("SV:35"))
        << words.toStdString();
}

TEST_F(SkyPlotViewTest, TemplateMakesTheWindowAndLoadsTheLastMaskFile) {
    profile.SetString("AzimuthElevation", "LastAzimuthMaskFile", WriteMask("last.msk", 77, 11));

    QMdiArea area;
    DocumentRegistry registry;
    WindowManager manager(area, registry, {sink, prompts});
    manager.AddTemplate(MakeSkyPlotTemplate(context));
    CChildFrame* frame = manager.Open(WindowType::SkyPlot);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->windowTitle(), "Azimuth & Elevation Window - [last.msk]");
    auto& opened = static_cast<CAzimuthElevationDoc&>(frame->Document());
    EXPECT_EQ(opened.Model().Mask().Entries()[77], (MaskEntry{77, 11, 1}));
    EXPECT_NE(qobject_cast<CAzimuthElevationView*>(frame->widget()), nullptr);
    EXPECT_TRUE(sink.messages.empty());
}

} // namespace
