// The signal quality window on its own document, with the application's
// pieces it needs: a receiver state to feed, an in-memory profile and a
// recording message sink. Its bars, its printing and its property sheet.
#include "app/QStringPrinter.h"
#include "app/TestAppContext.h"
#include "support/Feed.h"
#include "views/PrintedPages.h"
#include "views/signal/CSignalBarWnd.h"
#include "views/signal/CSignalQualityDoc.h"
#include "views/signal/CSignalQualityPropertySheet.h"
#include "views/signal/CSignalQualityView.h"

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Satellite {
    int prn = 0, snr = 0, tracked = 1, used = 1;
};

class SignalViewTest : public testing::Test, protected TestAppContext {
protected:
    // 402 x 235 pixels: with 4 bars, slot i spans x 100i+3 .. 100i+99 and
    // y 3 .. 202, a plot 200 pixels high.
    void MakeView() {
        view = std::make_unique<CSignalQualityView>(document, context);
        view->resize(402, 235);
        view->show();
    }
    // The satellites in view, then one update as the timer does it.
    void Show(std::initializer_list<Satellite> satellites) {
        {
            StateWriter w(state, StateGroup::Sat);
            w.Sat().satellitesInView = static_cast<int>(satellites.size());
            int row = 0;
            for (const Satellite& s : satellites)
                w.Sat().satellites[row++] = {s.prn, s.snr, s.snr, 0, 20, s.tracked, s.used};
        }
        view->Tick();
    }
    // The thresholds fixed by the profile.
    void FixThresholds(int lower, int upper) {
        profile.SetInt("SignalQuality", "LowerThreshold", lower);
        profile.SetInt("SignalQuality", "UpperThreshold", upper);
        profile.SetInt("SignalQuality", "EnableAutoTrack", 0);
    }
    QImage Shown() const { return view->BarWindow().grab().toImage(); }
    QColor Face() const { return view->BarWindow().palette().color(QPalette::Button); }

    // The property sheet, and the thresholds entered in a unit.
    void OpenSheet() { sheet.reset(view->CreatePropertySheet()); }
    CSignalQualityPropertyPage1& Page() const { return sheet->Page(); }
    void Enter(CnoUnit unit, const QString& upper, const QString& lower) {
        Page().UnitButton(unit).click();
        Page().UpperEdit().setText(upper);
        Page().LowerEdit().setText(lower);
    }

    CSignalQualityDoc document{{sink, prompts}};
    std::unique_ptr<CSignalQualityView> view;
    std::unique_ptr<CSignalQualityPropertySheet> sheet;
};

const QColor kRed(252, 0, 0);
const QColor kBlue(0, 0, 255);

// Printed, the chart is as shown, enlarged to the page's resolution.
TEST_F(SignalViewTest, BarsBetweenFixedThresholdsThePolyiLevelLineAndPrinting) {
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
        // The slot's face just above the bar, unless the bar fills the slot.
        EXPECT_EQ(image.pixelColor(x, std::max(3, 202 - height)), height < 200 ? Face() : colour)
            << "bar " << i;
    }

    // Level 45 of 30..60 is 100 pixels up: a two-pixel line over the bar's top.
    Feed(state, {"POLYI,J,45"});
    view->Tick();
    image = Shown();
    const QColor line[] = {Face(), kRed, kRed, kBlue};
    for (int y = 101; y < 105; ++y)
        EXPECT_EQ(image.pixelColor(10, y), line[y - 101]) << y;

    QImage page(804, 470, QImage::Format_RGB32); // twice the screen's resolution here
    page.setDotsPerMeterX(qRound(192 / 0.0254));
    page.setDotsPerMeterY(qRound(192 / 0.0254));
    QPainter painter(&page);
    view->Print(painter, page.rect());
    painter.end();
    EXPECT_EQ(page.pixelColor(2 * 10, 2 * 104), kBlue); // the bar below the line, not the line
    EXPECT_EQ(PrintedPages(*view), 1);
}

TEST_F(SignalViewTest, ObservedExtremesTheirResetEqualAndOutOfRangeThresholds) {
    MakeView();
    Show({{5, 40}, {6, 0}, {7, 50}}); // tracked: 40 to 50, no signal is no minimum
    QAction* reset = view->ContextMenu().actions().value(0);
    ASSERT_EQ(reset->text(), "&Reset Observed Min/Max");
    reset->trigger();
    // No signal yet: the placeholder extremes must not become thresholds;
    // then the first signal is both extremes.
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

    // Tracked thresholds outside the sheet's range do not block OK.
    Show({{5, 62}});
    OpenSheet();
    EXPECT_EQ(Page().UpperEdit().text(), "62");
    EXPECT_FALSE(Page().UpperEdit().isEnabled());
    sheet->accept();
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(LoadSignalSettings(profile).upperThreshold, 62);
}

using SignalPropertiesTest = SignalViewTest;

// Thresholds are shown and entered in the display unit and held in dB/Hz;
// the observed extremes always in dB/Hz.
TEST_F(SignalPropertiesTest, OpensInTheUnitConvertsWhenItChangesAndRefusesOutOfRange) {
    profile.SetInt("SignalQuality", "CNOUnits", 2);
    FixThresholds(30, 60);
    MakeView();
    Show({{5, 40}, {6, 50}});
    OpenSheet();
    EXPECT_EQ(Page().MaximumEdit().text() + Page().MinimumEdit().text(), "5040");
    EXPECT_FALSE(sheet->ApplyButton()->isEnabled());
    EXPECT_TRUE(Page().UnitButton(CnoUnit::DBm).isChecked());
    using enum CnoUnit;
    const std::tuple<CnoUnit, const char*, const char*> steps[] = {
        {DBm, "-111", "-141"}, {DbHz, "60", "30"}, {DBW, "-141", "-171"}, {DBm, "-111", "-141"}};
    for (const auto& [unit, upper, lower] : steps) {
        Page().UnitButton(unit).click(); // the first changes nothing
        EXPECT_EQ(Page().UpperEdit().text() + Page().LowerEdit().text(), QString(upper) + lower);
    }
    EXPECT_TRUE(sheet->ApplyButton()->isEnabled());

    const std::tuple<const char*, const char*, bool> cases[] = {
        {"61", "30", false}, {"60", "-202", false}, {"x", "30", false}, {"60", "-201", true}};
    for (const auto& [upper, lower, accepted] : cases) {
        OpenSheet();
        sink.messages.clear();
        Enter(CnoUnit::DbHz, upper, lower);
        EXPECT_EQ(sheet->ApplyAll(), accepted) << upper;
        if (accepted) continue;
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].text, "Please enter an integer between -201 and 60.");
        EXPECT_EQ(view->Model().Settings().upperThreshold, 60);
    }
}

// Apply takes effect in the window, only OK stores; cancel drops the edits.
// The value label's text is the core's ValueLabel; the window gives it the unit.
TEST_F(SignalPropertiesTest, ApplyThenCancelThenOk) {
    FixThresholds(30, 60);
    MakeView();
    Show({{5, 45}});
    const QImage dbHz = Shown().copy(3, 3, 397, 22); // the top rows of the only slot
    OpenSheet();
    Enter(CnoUnit::DBW, "-150", "-170");
    ASSERT_TRUE(sheet->ApplyAll());
    const SignalSettings applied{31, 51, false, CnoUnit::DBW};
    EXPECT_EQ(view->Model().Settings(), applied);
    EXPECT_EQ(document.Title(), "Signal Quality - dBW");
    EXPECT_NE(Shown().copy(3, 3, 397, 22), dbHz) << "-156 in dBW, not 45";
    EXPECT_EQ(LoadSignalSettings(profile), (SignalSettings{31, 51, false, CnoUnit::DbHz}));

    OpenSheet();
    Enter(CnoUnit::DBm, "-100", "-120");
    sheet->reject();
    EXPECT_EQ(view->Model().Settings(), applied);
    EXPECT_EQ(LoadSignalSettings(profile).lowerThreshold, 31);

    OpenSheet();
    Enter(CnoUnit::DBm, "-100", "-120");
    Page().AutoTrackBox().click(); // the thresholds held stay
    sheet->accept();
    EXPECT_EQ(document.Title(), "Signal Quality - dBm");
    EXPECT_EQ(view->Model().Settings(), (SignalSettings{31, 51, true, CnoUnit::DBm}));
    EXPECT_EQ(LoadSignalSettings(profile), view->Model().Settings());
}

} // namespace
