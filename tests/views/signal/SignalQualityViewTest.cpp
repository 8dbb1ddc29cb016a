#include "SignalViewFixture.h"
#include "app/ViewPrinting.h"
#include "support/Feed.h"

#include <QAction>
#include <QFile>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QColor kRed(252, 0, 0);
const QColor kBlue(0, 0, 255);

TEST_F(SignalViewTest, BarsBetweenFixedThresholdsAndThePolyiLevelLine) {
    FixThresholds(30, 60);
    MakeView();
    // Used, tracked only, not tracked, and an augmentation satellite.
    Show({{5, 45, 1, 1}, {12, 70, 1, 0}, {20, 45, 0, 0}, {35, 45, 1, 1}});
    QImage image = Shown();
    const QColor orange(252, 145, 66), gray(128, 128, 128), green(0, 252, 0);
    const std::tuple<int, QColor> bars[] = {{100, kBlue}, {200, orange}, {100, gray}, {100, green}};
    for (int i = 0; i < 4; ++i) {
        const auto [height, colour] = bars[i];
        const int x = 100 * i + 10; // clear of the centred value label
        EXPECT_EQ(image.pixelColor(x, 203 - height), colour) << "bar " << i;
        if (height < 200) {
            EXPECT_EQ(image.pixelColor(x, 202 - height), Face()) << "bar " << i;
        }
    }

    // Level 45 of 30..60 is 100 pixels up: a two-pixel line over the bar's top.
    Feed(state, {"POLYI,J,45"});
    view->Tick();
    image = Shown();
    const QColor line[] = {Face(), kRed, kRed, kBlue};
    for (int y = 101; y < 105; ++y)
        EXPECT_EQ(image.pixelColor(10, y), line[y - 101]) << y;
}

TEST_F(SignalViewTest, ObservedExtremesTheirResetAndEqualThresholds) {
    MakeView();
    Show({{5, 40}, {6, 0}, {7, 50}});
    EXPECT_EQ(view->Model().ObservedMin(), 40);
    EXPECT_EQ(view->Model().ObservedMax(), 50);
    QAction* reset = view->ContextMenu().actions().value(0);
    ASSERT_EQ(reset->text(), "&Reset Observed Min/Max");
    reset->trigger();
    EXPECT_EQ(view->Model().ObservedMin(), 999);
    EXPECT_EQ(view->Model().ObservedMax(), -999);
    // No signal yet: the placeholder extremes must not become thresholds.
    Show({{5, 0}});
    EXPECT_EQ(view->Model().Settings(), (SignalSettings{40, 50, true, CnoUnit::DbHz}));

    // Auto track now has equal thresholds: no scale, a full bar.
    Show({{5, 42}});
    EXPECT_EQ(view->Model().Settings(), (SignalSettings{42, 42, true, CnoUnit::DbHz}));
    EXPECT_EQ(Shown().pixelColor(10, 3), kBlue);

    // Bars that go leave nothing behind.
    Show({});
    QImage empty(Shown().size(), QImage::Format_RGB32);
    empty.fill(view->BarWindow().palette().color(QPalette::Window));
    EXPECT_EQ(Shown().convertToFormat(QImage::Format_RGB32), empty);
}

TEST_F(SignalViewTest, ValueLabelAndTitleInTheDisplayUnit) {
    profile.SetInt("SignalQuality", "CNOUnits", 1);
    FixThresholds(30, 60);
    MakeView();
    EXPECT_EQ(document.Title(), "Signal Quality - dBW");
    Show({{5, 45}});
    // The white text in the top rows of the only slot, smoothed into the
    // background at its edges, is as wide as "-156" (not "45").
    const QImage image = Shown();
    int left = image.width(), right = -1;
    for (int y = 3; y < 25; ++y)
        for (int x = 3; x < 400; ++x)
            if (image.pixelColor(x, y) != Face()) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13); // 10 points at 96 dpi
    EXPECT_NEAR(right - left + 1, QFontMetrics(font).tightBoundingRect("-156").width(), 3);
}

TEST_F(SignalViewTest, PrintsTheChartOnOnePage) {
    MakeView();
    Show({{5, 45}});
    // The chart as shown, enlarged to the page's resolution: twice the
    // screen's here.
    QImage page(804, 470, QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(192 / 0.0254));
    page.setDotsPerMeterY(qRound(192 / 0.0254));
    QPainter painter(&page);
    view->Print(painter, page.rect());
    painter.end();
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
