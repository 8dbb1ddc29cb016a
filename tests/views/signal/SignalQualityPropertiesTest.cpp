#include "SignalViewFixture.h"
#include "views/signal/CSignalQualityPropertySheet.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

class SignalPropertiesTest : public SignalViewTest {
protected:
    void OpenSheet() { sheet.reset(view->CreatePropertySheet()); }
    CSignalQualityPropertyPage1& Page() const { return sheet->Page(); }
    void Enter(CnoUnit unit, const QString& upper, const QString& lower) {
        Page().UnitButton(unit).click();
        Page().UpperEdit().setText(upper);
        Page().LowerEdit().setText(lower);
    }

    std::unique_ptr<CSignalQualityPropertySheet> sheet;
};

TEST_F(SignalPropertiesTest, OpensInTheUnitAndConvertsWhenItChanges) {
    profile.SetInt("SignalQuality", "CNOUnits", 2);
    FixThresholds(30, 60);
    MakeView();
    Show({{5, 40}, {6, 50}});
    OpenSheet();
    EXPECT_EQ(Page().MaximumEdit().text(), "50"); // always dB/Hz
    EXPECT_EQ(Page().MinimumEdit().text(), "40");
    EXPECT_FALSE(sheet->ApplyButton()->isEnabled());
    for (const auto& [unit, upper, lower] : {std::tuple{CnoUnit::DBm, "-111", "-141"},
                                             {CnoUnit::DbHz, "60", "30"},
                                             {CnoUnit::DBW, "-141", "-171"},
                                             {CnoUnit::DBm, "-111", "-141"}}) {
        Page().UnitButton(unit).click(); // the first is the unit it opens in
        EXPECT_TRUE(Page().UnitButton(unit).isChecked());
        EXPECT_EQ(Page().UpperEdit().text(), upper);
        EXPECT_EQ(Page().LowerEdit().text(), lower);
    }
    EXPECT_TRUE(sheet->ApplyButton()->isEnabled());
}

TEST_F(SignalPropertiesTest, RefusesThresholdsOutsideTheRange) {
    FixThresholds(30, 60);
    MakeView();
    for (const auto& [upper, lower, accepted] : {std::tuple{"61", "30", false},
                                                 {"60", "-202", false},
                                                 {"x", "30", false},
                                                 {"60", "-201", true}}) {
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

TEST_F(SignalPropertiesTest, ApplyThenCancelThenOk) {
    FixThresholds(30, 60);
    MakeView();
    OpenSheet();
    Enter(CnoUnit::DBW, "-150", "-170");
    ASSERT_TRUE(sheet->ApplyAll());
    const SignalSettings applied{31, 51, false, CnoUnit::DBW};
    EXPECT_EQ(view->Model().Settings(), applied);
    EXPECT_EQ(document.Title(), "Signal Quality - dBW");
    // Only OK stores the unit.
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

TEST_F(SignalPropertiesTest, TrackedThresholdsOutsideTheRangeDoNotBlockOk) {
    MakeView();
    Show({{5, 62}});
    OpenSheet();
    EXPECT_EQ(Page().UpperEdit().text(), "62");
    EXPECT_FALSE(Page().UpperEdit().isEnabled());
    sheet->accept();
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(LoadSignalSettings(profile).upperThreshold, 62);
}

} // namespace
