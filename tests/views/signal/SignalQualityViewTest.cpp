#include "SignalViewFixture.h"
#include "app/CChildFrame.h"
#include "app/DocumentRegistry.h"
#include "app/ViewPrinting.h"
#include "app/WindowManager.h"
#include "support/Feed.h"
#include "views/signal/SignalQualityTemplate.h"

#include <QAction>
#include <QFile>
#include <QFontMetrics>
#include <QMdiArea>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QColor kRed(252, 0, 0);
const QColor kBlue(0, 0, 255);

TEST_F(SignalViewTest, BarHeightsAndColoursBetweenFixedThresholds) {
    FixThresholds(30, 60);
    MakeView();
    SetSatellites({{5, 45, 1, 1}, {12, 70, 1, 0}, {20, 10, 0, 0}, {35, 45, 0, 0}});
    view->Tick();
    const QImage image = Shown();
    const struct {
        int height;
        QColor colour;
    } bars[] = {{100, kBlue}, {200, QColor(252, 145, 66)}, {0, Face()}, {100, QColor(0, 252, 0)}};
    for (int i = 0; i < 4; ++i) {
        const int x = 100 * i + 10; // clear of the centred value label
        EXPECT_EQ(image.pixelColor(x, 202), bars[i].colour) << "bar " << i;
        EXPECT_EQ(image.pixelColor(x, 203 - bars[i].height), bars[i].colour) << "bar " << i;
        if (bars[i].height < 200) {
            EXPECT_EQ(image.pixelColor(x, 202 - bars[i].height), Face()) << "bar " << i;
        }
    }
}

TEST_F(SignalViewTest, PolyiLevelLineOnlyBetweenTheThresholds) {
    FixThresholds(30, 60);
    MakeView();
    Feed(state, {"POLYS,1,05,U,100,20,45,0", "POLYI,J,45"});
    view->Tick();
    QImage image = Shown();
    // Level 45 of 30..60 is 100 pixels up: a two-pixel line over the bar's top.
    EXPECT_EQ(image.pixelColor(10, 101), Face());
    EXPECT_EQ(image.pixelColor(10, 102), kRed);
    EXPECT_EQ(image.pixelColor(10, 103), kRed);
    EXPECT_EQ(image.pixelColor(10, 104), kBlue);

    Feed(state, {"POLYI,J,27"});
    view->Tick();
    image = Shown();
    for (int y = 3; y < 203; ++y)
        ASSERT_NE(image.pixelColor(10, y), kRed) << y;
}

TEST_F(SignalViewTest, ResetObservedExtremesThenOneSatelliteFillsItsSlot) {
    MakeView();
    SetSatellites({{5, 40}, {6, 0}, {7, 50}});
    view->Tick();
    EXPECT_EQ(view->Model().ObservedMin(), 40);
    EXPECT_EQ(view->Model().ObservedMax(), 50);

    const QList<QAction*> actions = view->ContextMenu().actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), "&Reset Observed Min/Max");
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[2]->text(), "&Properties");
    actions[0]->trigger();
    EXPECT_EQ(view->Model().ObservedMin(), 999);
    EXPECT_EQ(view->Model().ObservedMax(), -999);

    // Auto track now has equal thresholds: no scale, a full bar.
    SetSatellites({{5, 42}});
    view->Tick();
    EXPECT_EQ(view->Model().Settings().lowerThreshold, 42);
    EXPECT_EQ(view->Model().Settings().upperThreshold, 42);
    const QImage image = Shown();
    EXPECT_EQ(image.pixelColor(10, 202), kBlue);
    EXPECT_EQ(image.pixelColor(10, 40), kBlue);
}

TEST_F(SignalViewTest, BarsThatGoLeaveNothingBehind) {
    MakeView();
    SetSatellites({{1, 40}, {2, 41}, {3, 42}, {4, 43}, {5, 44}});
    view->Tick();
    SetSatellites({});
    view->Tick();
    const QImage image = Shown();
    const QColor background = view->BarWindow().palette().color(QPalette::Window);
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            ASSERT_EQ(image.pixelColor(x, y), background) << x << "," << y;
}

// How wide the text in the top rows of the only slot is: white, smoothed
// into the background at its edges.
int ValueLabelWidth(const QImage& image, const QColor& background) {
    int left = image.width(), right = -1;
    for (int y = 3; y < 25; ++y)
        for (int x = 3; x < 400; ++x)
            if (image.pixelColor(x, y) != background) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return right - left + 1;
}

TEST_F(SignalViewTest, ValueLabelAndTitleInTheDisplayUnit) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13); // 10 points at 96 dpi
    for (const auto& [unit, title, label] : {std::tuple{1, "Signal Quality - dBW", "-156"},
                                             {2, "Signal Quality - dBm", "-126"},
                                             {0, "Signal Quality - dB/Hz", "45"}}) {
        profile.SetInt("SignalQuality", "CNOUnits", unit);
        FixThresholds(30, 60);
        MakeView();
        EXPECT_EQ(document.Title(), title);
        SetSatellites({{5, 45}});
        view->Tick();
        const int expected = QFontMetrics(font).tightBoundingRect(label).width();
        EXPECT_NEAR(ValueLabelWidth(Shown(), Face()), expected, 3) << label;
    }
}

TEST_F(SignalViewTest, TemplateOpensTheWindowWithItsTimer) {
    profile.SetInt("SignalQuality", "CNOUnits", 2);
    QMdiArea area;
    DocumentRegistry registry;
    WindowManager manager(area, registry, {sink, prompts});
    manager.AddTemplate(MakeSignalQualityTemplate(context));
    area.show();
    CChildFrame* frame = manager.Open(WindowType::SignalQuality);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->windowTitle(), "Signal Quality - dBm");
    auto* shown = frame->findChild<CSignalQualityView*>();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->TimerRunning());
    EXPECT_EQ(shown->BarWindow().geometry(), shown->rect());
}

TEST_F(SignalViewTest, PrintsTheChartOnOnePage) {
    MakeView();
    SetSatellites({{5, 45}});
    view->Tick();
    // The chart as shown, enlarged to the page's resolution: twice the
    // screen's here.
    QImage page(804, 470, QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(192 / 0.0254));
    page.setDotsPerMeterY(qRound(192 / 0.0254));
    {
        QPainter painter(&page);
        view->Print(painter, page.rect());
    }
    EXPECT_EQ(page.pixelColor(2 * 10, 2 * 202), kBlue);

    QTemporaryDir dir;
    const QString path = dir.filePath("signal.pdf");
    ASSERT_TRUE(PrintViewToPdf(*view, path));
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(pdf.readAll());
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 1);
}

} // namespace
