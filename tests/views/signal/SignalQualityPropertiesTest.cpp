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
    int Stored(const char* key) const { return profile.GetInt("SignalQuality", key, -1000); }

    std::unique_ptr<CSignalQualityPropertySheet> sheet;
};

TEST_F(SignalPropertiesTest, OpensInTheUnitAndConvertsWhenItChanges) {
    profile.SetInt("SignalQuality", "CNOUnits", 2);
    FixThresholds(30, 60);
    MakeView();
    SetSatellites({{5, 40}, {6, 50}});
    view->Tick();
    OpenSheet();
    EXPECT_EQ(sheet->windowTitle(), "Signal Quality Property Sheet");
    EXPECT_EQ(Page().Title(), "Upper and Lower SNR Threshold");
    EXPECT_TRUE(Page().UnitButton(CnoUnit::DBm).isChecked());
    EXPECT_EQ(Page().MaximumEdit().text(), "50"); // always dB/Hz
    EXPECT_EQ(Page().MinimumEdit().text(), "40");
    EXPECT_FALSE(sheet->ApplyButton()->isEnabled());

    EXPECT_EQ(Page().UpperEdit().text(), "-111");
    EXPECT_EQ(Page().LowerEdit().text(), "-141");
    Page().UnitButton(CnoUnit::DbHz).click();
    EXPECT_EQ(Page().UpperEdit().text(), "60");
    Page().UnitButton(CnoUnit::DBW).click();
    EXPECT_EQ(Page().UpperEdit().text(), "-141");
    EXPECT_EQ(Page().LowerEdit().text(), "-171");
    EXPECT_TRUE(sheet->ApplyButton()->isEnabled());
}

TEST_F(SignalPropertiesTest, RefusesThresholdsOutsideTheRangeOfTheShownUnit) {
    FixThresholds(30, 60);
    MakeView();
    const struct {
        CnoUnit unit;
        QString upper, lower;
        bool accepted;
    } cases[] = {{CnoUnit::DbHz, "61", "30", false},
                 {CnoUnit::DbHz, "60", "-202", false},
                 {CnoUnit::DbHz, "x", "30", false},
                 {CnoUnit::DbHz, "60", "-201", true},
                 {CnoUnit::DBW, "-150", "-170", true}};
    for (const auto& c : cases) {
        OpenSheet();
        sink.messages.clear();
        Enter(c.unit, c.upper, c.lower);
        EXPECT_EQ(sheet->ApplyAll(), c.accepted) << c.upper.toStdString();
        if (c.accepted) continue;
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].text, "Please enter an integer between -201 and 60.");
        EXPECT_EQ(view->Model().Settings().upperThreshold, 60);
    }
    EXPECT_EQ(Stored("UpperThreshold"), 51); // -150 dBW
    EXPECT_EQ(Stored("LowerThreshold"), 31);
}

TEST_F(SignalPropertiesTest, ApplyThenCancelThenOk) {
    FixThresholds(30, 60);
    MakeView();
    OpenSheet();
    Enter(CnoUnit::DBW, "-150", "-170");
    ASSERT_TRUE(sheet->ApplyAll());
    EXPECT_EQ(view->Model().Settings(), (SignalSettings{31, 51, false, CnoUnit::DBW}));
    EXPECT_EQ(document.Title(), "Signal Quality - dBW");
    EXPECT_EQ(Stored("UpperThreshold"), 51);
    EXPECT_EQ(Stored("CNOUnits"), -1000) << "only OK stores the unit";

    OpenSheet();
    Enter(CnoUnit::DBm, "-100", "-120");
    sheet->reject();
    EXPECT_EQ(view->Model().Settings(), (SignalSettings{31, 51, false, CnoUnit::DBW}));
    EXPECT_EQ(Stored("LowerThreshold"), 31);

    OpenSheet();
    Enter(CnoUnit::DBm, "-100", "-120");
    Page().AutoTrackBox().click();
    EXPECT_FALSE(Page().UpperEdit().isEnabled());
    sheet->accept();
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
    EXPECT_EQ(document.Title(), "Signal Quality - dBm");
    EXPECT_EQ(LoadSignalSettings(profile), view->Model().Settings());
    EXPECT_EQ(Stored("CNOUnits"), 2);
    EXPECT_EQ(Stored("EnableAutoTrack"), 1);
}

TEST_F(SignalPropertiesTest, TrackedThresholdsOutsideTheRangeDoNotBlockOk) {
    MakeView();
    SetSatellites({{5, 62}});
    view->Tick();
    OpenSheet();
    EXPECT_EQ(Page().UpperEdit().text(), "62");
    EXPECT_FALSE(Page().UpperEdit().isEnabled());
    sheet->accept();
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(Stored("UpperThreshold"), 62);
}

} // namespace
