#include "SkyPlotViewFixture.h"
#include "views/skyplot/CAzimuthElevationProperityPages.h"
#include "views/skyplot/CAzimuthElevationPropertySheet.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

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
        document.Model().Options().snrThreshold = 40;
        document.SetModified(false);
        auto sheet = MakeSheet();
        sheet->MaskPage().SnrEdit().setText(c.text);
        sheet->accept();
        EXPECT_EQ(sheet->result() == QDialog::Accepted, c.accepted) << c.text;
        const int stored = c.accepted ? QString(c.text).trimmed().toInt() : 40;
        EXPECT_EQ(profile.GetInt("AzimuthElevation", "SNRThreshold", -1), stored) << c.text;
        EXPECT_EQ(document.IsModified(), c.accepted) << c.text;
        EXPECT_EQ(document.Model().Options().snrThreshold, stored) << c.text;
        EXPECT_EQ(sink.messages.size(), c.accepted ? 0u : 1u) << c.text;
        for (const auto& message : sink.messages)
            EXPECT_EQ(message.text, "Please enter an integer between 0 and 99.");
    }
}

TEST_F(SkyPlotPropertiesTest, OpensWithTheCurrentValuesOkStoresEditsCancelDropsThem) {
    document.Model().Options().snrThreshold = 37;
    document.Model().SetComment("behind the barn");
    profile.SetString("AzimuthElevation", "LastAzimuthMaskFile", "/data/barn.msk");
    const QString comment(600, 'w'); // the box stops at 511 characters
    const auto edit = [&](CAzimuthElevationPropertySheet& sheet) {
        sheet.MaskPage().SnrEdit().setText("25");
        sheet.MaskPage().CommentEdit().setPlainText(comment);
        CAzimuthElevationProperityPage2& page = sheet.AutoLoadPage();
        page.SetBrowseChooser([] { return QString("/home/u/roof.msk"); });
        page.BrowseButton().click(); // only while auto-load is checked
        page.AutoLoadCheck().click();
        EXPECT_FALSE(page.FileEdit().isEnabled() || page.BrowseButton().isEnabled());
    };
    auto sheet = MakeSheet();
    EXPECT_EQ(sheet->MaskPage().SnrEdit().text(), "37");
    EXPECT_EQ(sheet->MaskPage().CommentEdit().toPlainText(), "behind the barn");
    EXPECT_TRUE(sheet->AutoLoadPage().AutoLoadCheck().isChecked());
    EXPECT_EQ(sheet->AutoLoadPage().FileEdit().text(), "/data/barn.msk");
    edit(*sheet);
    sheet->reject();
    EXPECT_EQ(document.Model().Options().snrThreshold, 37);
    EXPECT_EQ(document.Model().Comment(), "behind the barn");
    EXPECT_EQ(document.EnableAutoLoad(), 1);
    EXPECT_EQ(profile.GetInt("AzimuthElevation", "SNRThreshold", -1), -1);
    EXPECT_EQ(profile.GetString("AzimuthElevation", "LastAzimuthMaskFile", ""), "/data/barn.msk");
    EXPECT_FALSE(document.IsModified());

    sheet = MakeSheet();
    edit(*sheet);
    sheet->accept();
    EXPECT_EQ(document.Model().Options().snrThreshold, 25);
    EXPECT_EQ(profile.GetInt("AzimuthElevation", "SNRThreshold", -1), 25);
    EXPECT_EQ(document.Model().Comment(), std::string(511, 'w'));
    EXPECT_EQ(CommentText(document.Model().FileContent().comment), document.Model().Comment());
    EXPECT_EQ(document.EnableAutoLoad(), 0);
    EXPECT_EQ(profile.GetInt("AzimuthElevation", "EnableAutoLoad", -1), 0);
    EXPECT_EQ(profile.GetString("AzimuthElevation", "LastAzimuthMaskFile", ""), "/home/u/roof.msk");
    EXPECT_TRUE(document.IsModified());
}

} // namespace
