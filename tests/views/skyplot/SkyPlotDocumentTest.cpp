#include "SkyPlotViewFixture.h"

#include <fstream>

namespace {

int32_t Int32At(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i)
        v |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return static_cast<int32_t>(v);
}

class SkyPlotDocumentTest : public SkyPlotFixture {
protected:
    // The document after satellites lowered azimuths 10, 250 and 300.
    void LowerSomeEntries() {
        SetSatellites({{5, 10, 15, 1, 45}, {6, 250, 33, 0, 45}, {7, 300, -2, 0, 45}});
        document.UpdatePlot(state);
    }
};

TEST_F(SkyPlotDocumentTest, SavedNewDocumentReadsBackAsResetRecordsExceptWhereLowered) {
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
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    ASSERT_EQ(bytes.size(), 6368u);
    EXPECT_EQ(bytes.substr(0, 2048), comment + std::string(2048 - 511, '\0'));
    for (int i = 0; i < 360; ++i) {
        const size_t at = 2048 + 12 * static_cast<size_t>(i);
        const int elevation = i == 10 ? 15 : i == 250 ? 33 : i == 300 ? -2 : 76;
        EXPECT_EQ(Int32At(bytes, at), i);
        EXPECT_EQ(Int32At(bytes, at + 4), elevation) << i;
        EXPECT_EQ(Int32At(bytes, at + 8), elevation != 76 ? 1 : 0) << i;
    }
    CAzimuthElevationDoc other({sink, prompts}, profile);
    ASSERT_TRUE(other.Open(Path("new.msk")));
    EXPECT_EQ(other.Model().Comment(), comment);
    EXPECT_EQ(other.Model().FileContent(), document.Model().FileContent());
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
    const struct {
        std::string file;
        int enabled;
        bool loads;
    } cases[] = {
        {saved, 1, true}, {saved, 0, false}, {Path("missing.msk"), 1, false}, {"", 1, false}};
    for (const auto& c : cases) {
        profile.SetString("AzimuthElevation", "LastAzimuthMaskFile", c.file);
        profile.SetInt("AzimuthElevation", "EnableAutoLoad", c.enabled);
        CAzimuthElevationDoc doc({sink, prompts}, profile);
        doc.AutoLoad();
        EXPECT_EQ(doc.Model().Mask().Entries()[3].observed, c.loads ? 1 : 0) << c.file;
        EXPECT_EQ(doc.PathName(), c.loads ? saved : "") << c.file;
        EXPECT_FALSE(doc.IsModified());
    }
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(SkyPlotDocumentTest, FileOpenAsksToSaveThenOpensTheChosenFile) {
    int asked = 0;
    std::string chosen;
    document.SetOpenPathChooser([&] {
        ++asked;
        return chosen;
    });
    LowerSomeEntries(); // modified
    prompts.answer = SaveAnswer::Cancel;
    EXPECT_TRUE(document.FileOpen());
    EXPECT_EQ(asked, 0);

    prompts.answer = SaveAnswer::No;
    EXPECT_TRUE(document.FileOpen()); // the dialog cancelled
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
