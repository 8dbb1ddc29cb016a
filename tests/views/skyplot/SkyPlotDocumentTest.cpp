#include "SkyPlotViewFixture.h"

#include <fstream>

namespace {

class SkyPlotDocumentTest : public SkyPlotFixture {
protected:
    // The document after satellites lowered azimuths 10, 250 and 300.
    void LowerSomeEntries() {
        SetSatellites({{5, 10, 15, 1, 45}, {6, 250, 33, 0, 45}, {7, 300, -2, 0, 45}});
        document.UpdatePlot(state);
    }
};

// The byte layout is the core's; the document saves its model with the comment.
TEST_F(SkyPlotDocumentTest, SavedDocumentReadsBackAsItWas) {
    LowerSomeEntries();
    std::string comment; // the longest the property sheet takes
    for (int i = 0; i < 511; ++i)
        comment += static_cast<char>('a' + i % 26);
    document.Model().SetComment(comment);
    ASSERT_TRUE(document.IsModified());
    ASSERT_TRUE(document.SaveAs(Path("new.msk")));
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.Title(), "Azimuth & Elevation Window - [new.msk]");
    std::ifstream in(Path("new.msk"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              EncodeMaskFile(document.Model().FileContent()));
    CAzimuthElevationDoc other({sink, prompts}, profile);
    ASSERT_TRUE(other.Open(Path("new.msk")));
    EXPECT_EQ(other.Model().Comment(), comment);
    EXPECT_EQ(other.Model().FileContent(), document.Model().FileContent());
    EXPECT_EQ(other.Model().Mask().Entries()[300], (MaskEntry{300, -2, 1}));
}

TEST_F(SkyPlotDocumentTest, ShortFileIsAReadErrorAndLeavesTheDocumentAsItWas) {
    LowerSomeEntries(); // modified
    document.Model().SetComment("kept");
    document.SetTitle("before");
    const MaskFileContent before = document.Model().FileContent();
    MaskFileContent other; // one byte short
    SetCommentText(other.comment, "replacement");
    std::ofstream(Path("short.msk"), std::ios::binary) << EncodeMaskFile(other).substr(0, 6367);
    EXPECT_FALSE(document.Open(Path("short.msk")));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].text.find("short.msk"), std::string::npos);
    EXPECT_EQ(document.Model().FileContent(), before);
    EXPECT_EQ(document.Model().Comment(), "kept");
    EXPECT_EQ(document.Title(), "before");
    EXPECT_EQ(document.PathName(), "");
    EXPECT_TRUE(document.IsModified());
}

TEST_F(SkyPlotDocumentTest, AutoLoadOnlyWhenSwitchedOnAndSilentWithoutAFile) {
    const std::string saved = WriteMask("auto.msk", 3, 4);
    for (const auto& [file, enabled, loads] : {std::tuple{saved, 1, true},
                                               {saved, 0, false},
                                               {Path("missing.msk"), 1, false},
                                               {std::string(), 1, false}}) {
        profile.SetString("AzimuthElevation", "LastAzimuthMaskFile", file);
        profile.SetInt("AzimuthElevation", "EnableAutoLoad", enabled);
        CAzimuthElevationDoc doc({sink, prompts}, profile);
        doc.AutoLoad();
        EXPECT_EQ(doc.Model().Mask().Entries()[3].observed, loads ? 1 : 0) << file;
        EXPECT_EQ(doc.PathName(), loads ? saved : "") << file;
        EXPECT_FALSE(doc.IsModified());
    }
    EXPECT_TRUE(sink.messages.empty());
}

// Cancel at the save question opens nothing; the save prompt itself is the
// framework's. A cancelled dialog does nothing, a missing file says so.
TEST_F(SkyPlotDocumentTest, FileOpenAsksToSaveThenOpensTheChosenFile) {
    int asked = 0;
    std::string chosen;
    document.SetOpenPathChooser([&] { return ++asked, chosen; });
    LowerSomeEntries(); // modified
    EXPECT_TRUE(document.FileOpen());
    EXPECT_EQ(asked, 0);

    prompts.answer = SaveAnswer::No;
    EXPECT_TRUE(document.FileOpen());
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(sink.messages.empty());
    chosen = Path("missing.msk");
    EXPECT_TRUE(document.FileOpen());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Could Not Open File");
    EXPECT_TRUE(document.IsModified());

    chosen = WriteMask("open.msk", 99, 9);
    EXPECT_TRUE(document.FileOpen());
    EXPECT_EQ(document.Model().Mask().Entries()[99], (MaskEntry{99, 9, 1}));
    EXPECT_EQ(document.Model().Mask().Entries()[10].observed, 0); // replaced, not merged
    EXPECT_EQ(document.Title(), "Azimuth & Elevation Window - [open.msk]");
    EXPECT_FALSE(document.IsModified());
}

} // namespace
