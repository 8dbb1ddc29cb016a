#include "SkyPlotViewFixture.h"
#include "views/skyplot/MaskFile.h"

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

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
    document.Model().Options().snrThreshold = 40;
    LowerSomeEntries();
    ASSERT_TRUE(document.IsModified());
    ASSERT_TRUE(document.SaveAs(Path("new.msk")));
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.Title(), "Azimuth & Elevation Window - [new.msk]");
    const std::string bytes = FileBytes(Path("new.msk"));
    ASSERT_EQ(bytes.size(), 6368u);
    EXPECT_EQ(bytes.substr(0, 2048), std::string(2048, '\0')); // no comment yet
    for (int i = 0; i < 360; ++i) {
        const size_t at = 2048 + 12 * static_cast<size_t>(i);
        const int elevation = i == 10 ? 15 : i == 250 ? 33 : i == 300 ? -2 : 76;
        EXPECT_EQ(Int32At(bytes, at), i);
        EXPECT_EQ(Int32At(bytes, at + 4), elevation) << i;
        EXPECT_EQ(Int32At(bytes, at + 8), elevation != 76 ? 1 : 0) << i;
    }
    // Little-endian and signed: (300, -2, 1).
    EXPECT_EQ(bytes.substr(2048 + 12 * 300, 12),
              std::string("\x2c\x01\0\0\xfe\xff\xff\xff\x01\0\0\0", 12));
}

TEST_F(SkyPlotDocumentTest, LongestCommentSurvivesSaveAndRead) {
    std::string comment;
    for (int i = 0; i < 511; ++i)
        comment += static_cast<char>('a' + i % 26);
    document.Model().SetComment(comment);
    ASSERT_TRUE(document.SaveAs(Path("comment.msk")));
    CAzimuthElevationDoc other({sink, prompts}, profile);
    ASSERT_TRUE(other.Open(Path("comment.msk")));
    EXPECT_EQ(other.Model().Comment(), comment);
    EXPECT_EQ(other.Model().FileContent(), document.Model().FileContent());
}

TEST_F(SkyPlotDocumentTest, ShortFileIsAReadErrorAndLeavesTheDocumentAsItWas) {
    LowerSomeEntries();
    document.Model().SetComment("kept");
    ASSERT_TRUE(document.SaveAs(Path("good.msk")));
    document.SetModified(true);
    document.SetTitle("Azimuth & Elevation Window - [good.msk]");
    const MaskFileContent before = document.Model().FileContent();

    // A file cut short: a whole comment and part of the records.
    MaskFileContent other;
    SetCommentText(other.comment, "replacement");
    std::ofstream(Path("short.msk"), std::ios::binary) << EncodeMaskFile(other).substr(0, 4000);
    EXPECT_FALSE(document.Open(Path("short.msk")));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].caption, "ERROR");
    EXPECT_NE(sink.messages[0].text.find("short.msk"), std::string::npos);
    EXPECT_EQ(document.Model().FileContent(), before);
    EXPECT_EQ(document.Model().Comment(), "kept");
    EXPECT_EQ(document.PathName(), Path("good.msk"));
    EXPECT_EQ(document.Title(), "Azimuth & Elevation Window - [good.msk]");
    EXPECT_TRUE(document.IsModified());
}

TEST_F(SkyPlotDocumentTest, AutoLoad) {
    MaskFileContent content;
    content.mask[3] = {3, 4, 1};
    std::string error;
    ASSERT_TRUE(WriteMaskFile(Path("auto.msk"), content, error));
    const struct {
        const char* file;
        int enabled;
        bool loads;
    } cases[] = {
        {"auto.msk", 1, true},
        {"auto.msk", 0, false},    // switched off
        {"missing.msk", 1, false}, // silently passed over
        {"", 1, false},
    };
    for (const auto& c : cases) {
        profile.SetString("AzimuthElevation", "LastAzimuthMaskFile",
                          *c.file ? Path(c.file) : std::string());
        profile.SetInt("AzimuthElevation", "EnableAutoLoad", c.enabled);
        CAzimuthElevationDoc doc({sink, prompts}, profile);
        doc.SetTitle("Azimuth & Elevation Window");
        doc.AutoLoad();
        EXPECT_EQ(doc.Model().Mask().Entries()[3].observed, c.loads ? 1 : 0) << c.file;
        EXPECT_EQ(doc.Title(), c.loads ? "Azimuth & Elevation Window - [auto.msk]"
                                       : "Azimuth & Elevation Window")
            << c.file;
        EXPECT_EQ(doc.PathName(), c.loads ? Path("auto.msk") : "") << c.file;
        EXPECT_FALSE(doc.IsModified());
    }
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(SkyPlotDocumentTest, FileOpenAsksToSaveThenOpensTheChosenFile) {
    MaskFileContent content;
    content.mask[99] = {99, 9, 1};
    std::string error;
    ASSERT_TRUE(WriteMaskFile(Path("open.msk"), content, error));
    int asked = 0;
    std::string chosen = Path("open.msk");
    document.SetOpenPathChooser([&] {
        ++asked;
        return chosen;
    });

    LowerSomeEntries(); // modified
    prompts.answer = SaveAnswer::Cancel;
    EXPECT_TRUE(document.FileOpen());
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(prompts.askedTitles.size(), 1u);
    EXPECT_EQ(document.Model().Mask().Entries()[99].observed, 0);

    prompts.answer = SaveAnswer::No;
    chosen = "";
    EXPECT_TRUE(document.FileOpen()); // the dialog cancelled
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(document.IsModified());

    chosen = Path("missing.msk");
    EXPECT_TRUE(document.FileOpen());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Could Not Open File");

    chosen = Path("open.msk");
    EXPECT_TRUE(document.FileOpen());
    EXPECT_EQ(document.Model().Mask().Entries()[99], (MaskEntry{99, 9, 1}));
    EXPECT_EQ(document.Model().Mask().Entries()[10].observed, 0); // replaced, not merged
    EXPECT_EQ(document.PathName(), Path("open.msk"));
    EXPECT_EQ(document.Title(), "Azimuth & Elevation Window - [open.msk]");
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(sink.messages.size(), 1u);

    if (::geteuid() == 0) return; // root may write anything
    ::chmod(Path("open.msk").c_str(), 0444);
    document.SetTitle("before");
    EXPECT_TRUE(document.FileOpen());
    EXPECT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(document.Title(), "before");
}

} // namespace
