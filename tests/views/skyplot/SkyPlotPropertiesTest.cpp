#include "SkyPlotViewFixture.h"
#include "views/skyplot/CAzimuthElevationProperityPages.h"
#include "views/skyplot/CAzimuthElevationPropertySheet.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

class SkyPlotPropertiesTest : public SkyPlotFixture {
protected:
    std::unique_ptr<CAzimuthElevationPropertySheet> MakeSheet() {
        return std::make_unique<CAzimuthElevationPropertySheet>(document, profile, sink);
    }
};

TEST_F(SkyPlotPropertiesTest, SnrThresholdMustBeAnIntegerFrom0To99) {
    const struct {
        const char* text;
        bool accepted;
    } cases[] = {{"0", true},    {"99", true},   {" 42 ", true}, {"-1", false},
                 {"100", false}, {"abc", false}, {"", false},    {"4.5", false}};
    for (const auto& c : cases) {
        sink.messages.clear();
        profile.SetInt("AzimuthElevation", "SNRThreshold", 40);
        document.SetModified(false);
        auto sheet = MakeSheet();
        sheet->MaskPage().SnrEdit().setText(c.text);
        sheet->accept();
        EXPECT_EQ(sheet->result() == QDialog::Accepted, c.accepted) << c.text;
        if (c.accepted) {
            const int value = QString(c.text).trimmed().toInt();
            EXPECT_EQ(profile.GetInt("AzimuthElevation", "SNRThreshold", -1), value);
            EXPECT_EQ(document.Model().Options().snrThreshold, value);
            EXPECT_TRUE(sink.messages.empty());
        } else {
            ASSERT_EQ(sink.messages.size(), 1u) << c.text;
            EXPECT_EQ(sink.messages[0].text, "Please enter an integer between 0 and 99.");
            EXPECT_EQ(profile.GetInt("AzimuthElevation", "SNRThreshold", -1), 40);
            EXPECT_FALSE(document.IsModified());
        }
    }
}

TEST_F(SkyPlotPropertiesTest, OkStoresEverythingAndMarksTheDocumentModified) {
    auto sheet = MakeSheet();
    sheet->MaskPage().SnrEdit().setText("25");
    sheet->MaskPage().CommentEdit().setPlainText("Mast on the roof\nsecond line");
    sheet->AutoLoadPage().AutoLoadCheck().setChecked(false);
    sheet->AutoLoadPage().FileEdit().setText("/home/u/roof.msk");
    sheet->accept();
    EXPECT_EQ(document.Model().Options().snrThreshold, 25);
    EXPECT_EQ(profile.GetInt("AzimuthElevation", "SNRThreshold", -1), 25);
    EXPECT_EQ(document.Model().Comment(), "Mast on the roof\nsecond line");
    EXPECT_EQ(CommentText(document.Model().FileContent().comment), document.Model().Comment());
    EXPECT_EQ(document.EnableAutoLoad(), 0);
    EXPECT_EQ(profile.GetInt("AzimuthElevation", "EnableAutoLoad", -1), 0);
    EXPECT_EQ(profile.GetString("AzimuthElevation", "LastAzimuthMaskFile", ""), "/home/u/roof.msk");
    EXPECT_TRUE(document.IsModified());
}

TEST_F(SkyPlotPropertiesTest, OpensWithTheCurrentValuesAndCancelChangesNothing) {
    document.Model().Options().snrThreshold = 37;
    document.Model().SetComment("behind the barn");
    profile.SetString("AzimuthElevation", "LastAzimuthMaskFile", "/data/barn.msk");
    auto sheet = MakeSheet();
    EXPECT_EQ(sheet->windowTitle(), "Azimuth Elevarion Property Sheet");
    const auto* tabs = sheet->findChild<QTabWidget*>();
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), "Physical GPS Mask Angle");
    EXPECT_EQ(tabs->tabText(1), "Auto Load");
    EXPECT_EQ(sheet->MaskPage().SnrEdit().text(), "37");
    EXPECT_EQ(sheet->MaskPage().CommentEdit().toPlainText(), "behind the barn");
    EXPECT_TRUE(sheet->AutoLoadPage().AutoLoadCheck().isChecked());
    EXPECT_EQ(sheet->AutoLoadPage().FileEdit().text(), "/data/barn.msk");

    sheet->MaskPage().SnrEdit().setText("25");
    sheet->MaskPage().CommentEdit().setPlainText("not kept");
    sheet->AutoLoadPage().AutoLoadCheck().setChecked(false);
    sheet->AutoLoadPage().FileEdit().setText("/x.msk");
    sheet->reject();
    EXPECT_EQ(document.Model().Options().snrThreshold, 37);
    EXPECT_EQ(document.Model().Comment(), "behind the barn");
    EXPECT_EQ(document.EnableAutoLoad(), 1);
    EXPECT_EQ(profile.GetInt("AzimuthElevation", "SNRThreshold", -1), -1);
    EXPECT_EQ(profile.GetString("AzimuthElevation", "LastAzimuthMaskFile", ""), "/data/barn.msk");
    EXPECT_FALSE(document.IsModified());
}

TEST_F(SkyPlotPropertiesTest, CommentStopsAt511Characters) {
    auto sheet = MakeSheet();
    QPlainTextEdit& edit = sheet->MaskPage().CommentEdit();
    edit.setPlainText(QString(600, 'w'));
    EXPECT_EQ(edit.toPlainText(), QString(511, 'w'));
    edit.insertPlainText("more");
    EXPECT_EQ(edit.toPlainText().size(), 511);
}

TEST_F(SkyPlotPropertiesTest, LoadFileAndBrowseOnlyWhileAutoLoadIsChecked) {
    document.SetEnableAutoLoad(0);
    auto sheet = MakeSheet();
    CAzimuthElevationProperityPage2& page = sheet->AutoLoadPage();
    EXPECT_FALSE(page.FileEdit().isEnabled());
    EXPECT_FALSE(page.BrowseButton().isEnabled());
    page.AutoLoadCheck().click();
    EXPECT_TRUE(page.FileEdit().isEnabled());
    EXPECT_TRUE(page.BrowseButton().isEnabled());

    QString chosen = "/masks/garden.msk";
    page.SetBrowseChooser([&] { return chosen; });
    page.BrowseButton().click();
    EXPECT_EQ(page.FileEdit().text(), "/masks/garden.msk");
    chosen.clear(); // cancelled: the field keeps its text
    page.BrowseButton().click();
    EXPECT_EQ(page.FileEdit().text(), "/masks/garden.msk");

    page.AutoLoadCheck().click();
    EXPECT_FALSE(page.FileEdit().isEnabled());
    EXPECT_FALSE(page.BrowseButton().isEnabled());
}

} // namespace
