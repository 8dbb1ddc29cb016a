// A sky plot view on its own document, with what it needs from the
// application: a receiver state to fill, an in-memory profile, recorders in
// place of message boxes and dialogs. The window's drawing and menu, then
// its document and property sheet.
#include "app/CChildFrame.h"
#include "app/DocumentRegistry.h"
#include "app/QStringPrinter.h"
#include "app/TestAppContext.h"
#include "app/WindowManager.h"
#include "views/PrintedPages.h"
#include "views/skyplot/CAzimuthElevationDoc.h"
#include "views/skyplot/CAzimuthElevationProperityPages.h"
#include "views/skyplot/CAzimuthElevationPropertySheet.h"
#include "views/skyplot/CAzimuthElevationView.h"
#include "views/skyplot/CSkyPlotWnd.h"
#include "views/skyplot/MaskFile.h"
#include "views/skyplot/SkyPlotPainting.h"
#include "views/skyplot/SkyPlotTemplate.h"

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

// prn, azimuth, elevation, used in the fix, snr. The default snr is below
// the default threshold (40), so only tests that mean to teach the mask do.
struct TestSatellite {
    int prn = 0, azimuth = 0, elevation = 0, used = 1, snr = 20;
};

class SkyPlotViewTest : public testing::Test, protected TestAppContext {
protected:
    std::unique_ptr<CAzimuthElevationPropertySheet> Sheet() {
        return std::make_unique<CAzimuthElevationPropertySheet>(document, profile, sink);
    }
    // 400 x 400: the plot's centre is (200, 200), its radius 193.
    void MakeView() {
        view = std::make_unique<CAzimuthElevationView>(document, context);
        view->resize(400, 400);
        view->show();
    }
    void SetSatellites(std::initializer_list<TestSatellite> satellites) {
        StateWriter w(state, StateGroup::Sat);
        w.Sat().satellitesInView = static_cast<int>(satellites.size());
        w.Sat().satellites = {};
        int row = 0;
        for (const TestSatellite& s : satellites)
            w.Sat().satellites[static_cast<size_t>(row++)] = {s.prn,       s.snr, 0,     s.azimuth,
                                                              s.elevation, 1,     s.used};
    }
    // The satellites into the view, then what it shows.
    QImage Update(std::initializer_list<TestSatellite> satellites) {
        SetSatellites(satellites);
        view->UpdatePlot();
        return Shown();
    }
    QImage Shown() const { return view->PlotWindow().grab().toImage(); }
    PlotPoint At(double azimuth, double elevation) const {
        return view->PlotWindow().Geometry().Map(azimuth, elevation);
    }
    QColor PixelAt(const QImage& image, PlotPoint p) const { return image.pixelColor(p.x, p.y); }
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }

    QTemporaryDir dir;
    CAzimuthElevationDoc document{{sink, prompts}, profile};
    std::unique_ptr<CAzimuthElevationView> view;
};

const QColor kWhite(255, 255, 255), kGreen(0, 255, 0), kRed(255, 0, 0), kOrange(252, 145, 66),
    kBlue(0, 0, 255), kCyan(0, 255, 255);

// Pixels of exactly `colour` in a rectangle.
int CountColour(const QImage& image, const QRect& area, const QColor& colour) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

// Where a marker's label goes: below the marker, generously wide.
QRect LabelArea(PlotPoint marker) {
    return {marker.x - 40, marker.y + 5, 80, 40};
}

// The colours and label texts the window draws with; trail dots at any
// pixel ratio.
TEST(SkyPlotPainting, ColoursAndLabelsByStatusAndTrailDotsOfTwoByTwoLogicalPixels) {
    // Used and heard green, used but not heard red, not used orange.
    for (const auto& [point, colour] : {std::pair{TrailPoint{3, 0, 9, 1, 30}, kGreen},
                                        {{3, 0, 9, 1, 0}, kRed},
                                        {{3, 0, 9, 0, 30}, kOrange}})
        EXPECT_EQ(TrailColour(point), colour) << point.usedInFix << "/" << point.snr;
    // Augmentation satellites (PRN 33 and above) blue, else green when used.
    for (const auto& [prn, used, colour] :
         {std::tuple{32, 1, kGreen}, {7, 0, kRed}, {33, 0, kBlue}, {35, 1, kBlue}})
        EXPECT_EQ(LabelColour({prn, 270, 60, used, 30, 0}), colour) << prn;
    EXPECT_EQ(MarkerLabel({5, 270, 60, 1, 30, 0}, true), " SV:5 \n A:270 E:60 ");
    EXPECT_EQ(MarkerLabel({5, 270, 60, 1, 30, 0}, false), "5");

    QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2); // 50 x 50 logical pixels
    image.fill(Qt::black);
    TrailDotWriter dots(image, PolarGeometry(25, 25, 20));
    dots.Put({3, 90, 45, 1, 30});  // logical (35, 25): device 70..73, 50..53
    dots.Put({3, 270, -30, 0, 9}); // beyond the rim
    EXPECT_EQ(CountColour(image, image.rect(), kGreen), 16);
    EXPECT_EQ(CountColour(image, QRect(70, 50, 4, 4), kGreen), 16);
    EXPECT_EQ(CountColour(image, image.rect(), kOrange), 0);
}

// One of each drawing path: the marker, its label in the core's colour and
// text, nothing without a position.
TEST_F(SkyPlotViewTest, MarkersAtTheMappedPointOnlyWithAPositionLabelledAsTheCoreSays) {
    MakeView();
    const PlotPoint at = At(90, 45); // the mapping is the core's
    const QImage empty = Update({});
    EXPECT_NE(PixelAt(empty, at), kWhite);
    const QImage image = Update({{7, 90, 45, 0}}); // not used: a red label
    for (int d : {0, 2, -2})
        EXPECT_EQ(image.pixelColor(at.x + d, at.y + std::abs(d)), kWhite) << d;
    // " SV:7 \n A:90 E:45 " takes two lines; without details "7", far fewer pixels.
    const int withDetails = CountColour(image, LabelArea(at), kRed);
    view->ToggleSatDetails();
    const int prnOnly = CountColour(Shown(), LabelArea(at), kRed);
    EXPECT_GT(prnOnly, 0);
    EXPECT_GT(withDetails, 4 * prnOnly);
    EXPECT_EQ(profile.GetInt("AzimuthElevation", "EnableSatDetails", 1), 0);

    // Without a position (the core's rule) nothing is drawn.
    view->ClearTrails();
    EXPECT_EQ(Update({{5, 0, 0}}), empty);
}

TEST_F(SkyPlotViewTest, TrailsShowWhereSatellitesWereUntilTheyLeaveTheRing) {
    MakeView();
    const TestSatellite path[] = {
        {3, 60, 30, 1, 30}, {3, 62, 30, 1, 0}, {3, 64, 30, 0, 30}, {3, 66, 30, 1, 30}};
    const QColor colours[] = {kGreen, kRed, kOrange};
    for (const TestSatellite& s : path)
        Update({s});
    // Shown, hidden (still stored), shown again, cleared.
    for (int step = 0; step < 4; ++step) {
        if (step == 1 || step == 2) view->ToggleTrails();
        if (step == 3) view->ClearTrails();
        const QImage image = Shown();
        for (int i = 0; i < 3; ++i) {
            const PlotPoint p = At(path[i].azimuth, path[i].elevation);
            for (const QPoint& pixel : {QPoint(p.x, p.y), QPoint(p.x + 1, p.y + 1)})
                EXPECT_EQ(image.pixelColor(pixel) == colours[i], step % 2 == 0) << i << "@" << step;
        }
    }

    // 501 positions in two rings of azimuths, 10 degrees of elevation apart.
    const auto position = [](int i) { return TestSatellite{3, 10 + i % 300, 20 + 10 * (i / 300)}; };
    const PlotPoint first = At(10, 20), second = At(11, 20);
    for (int i = 0; i < 500; ++i)
        Update({position(i)});
    Update({position(499)}); // unmoved just after the ring's index wrapped: no new point
    EXPECT_EQ(PixelAt(Shown(), first), kGreen);
    const QImage image = Update({position(500)});
    EXPECT_NE(PixelAt(image, first), kGreen); // overwritten in its ring
    EXPECT_EQ(PixelAt(image, second), kGreen);
}

TEST_F(SkyPlotViewTest, MaskOutlinePrintingAndContextMenuCommandsWithCheckMarksFromTheProfile) {
    profile.SetInt("AzimuthElevation", "EnableTrails", 0); // the SNR threshold stays 40
    MakeView();
    std::unique_ptr<QMenu> menu(view->CreateContextMenu(nullptr));
    const auto item = [&](const char* text) {
        for (QAction* action : menu->actions())
            if (action->text() == text) return action;
        ADD_FAILURE() << text;
        return new QAction(menu.get());
    };
    EXPECT_FALSE(item("&Enable Satellite Trails")->isChecked()); // from the profile, and taken over
    EXPECT_EQ(document.Model().Options().enableTrails, 0);
    EXPECT_TRUE(item("E&nable Physical Mask Angle")->isChecked());

    Update({{5, 123, 20, 0, 45}}); // not used: nothing learned
    EXPECT_FALSE(document.IsModified());
    const QImage image =
        Update({{5, 123, 20, 1, 45}, {35, 300, 30, 0, 45}}); // the used one lets both in
    EXPECT_TRUE(document.IsModified());
    // Printed on one page with the comment and the labels.
    document.Model().SetComment("Antenna on the north mast");
    QString words;
    EXPECT_EQ(PrintedPages(*view, &words), 1);
    EXPECT_TRUE(words.contains("Antenna on the north mast") && words.contains("SV:35"))
        << words.toStdString();
    // A closed line through the two entries, crossing the plot.
    const PlotPoint a = At(123, 20), b = At(300, 30);
    for (const QPoint& p :
         {QPoint(a.x, a.y), QPoint(b.x, b.y), QPoint((a.x + b.x) / 2, (a.y + b.y) / 2)})
        EXPECT_EQ(image.pixelColor(p), kCyan) << p.x() << "," << p.y();

    item("&Enable Satellite Trails")->trigger();
    item("E&nable Physical Mask Angle")->trigger();
    EXPECT_EQ(CountColour(Shown(), image.rect(), kCyan), 0);
    menu.reset(view->CreateContextMenu(nullptr));
    EXPECT_TRUE(item("&Enable Satellite Trails")->isChecked());
    EXPECT_FALSE(item("E&nable Physical Mask Angle")->isChecked());
    item("C&lear Physical Mask Angle")->trigger(); // a reset mask, no file's yet
    EXPECT_EQ(document.Model().Mask().Entries()[123], (MaskEntry{123, 76, 0}));
    EXPECT_EQ(document.Title(), "Untitled");
    EXPECT_EQ(document.PathName(), (std::filesystem::current_path() / "Untitled.msk").string());
}

using SkyPlotDocumentTest = SkyPlotViewTest;

// The template makes the window and loads the last mask file, named in the
// title, when switched on; silently nothing without a file.
TEST_F(SkyPlotDocumentTest, TemplateAutoLoadsOnlyWhenSwitchedOnAndSilentWithoutAFile) {
    const std::string saved = Path("auto.msk");
    MaskFileContent content; // one learned entry
    content.mask[3] = {3, 4, 1};
    std::string error;
    ASSERT_TRUE(WriteMaskFile(saved, content, error)) << error;
    const std::tuple<std::string, int, bool> cases[] = {
        {saved, 1, true}, {saved, 0, false}, {Path("missing.msk"), 1, false}, {"", 1, false}};
    for (const auto& [file, enabled, loads] : cases) {
        profile.SetString("AzimuthElevation", "LastAzimuthMaskFile", file);
        profile.SetInt("AzimuthElevation", "EnableAutoLoad", enabled);
        QMdiArea area;
        DocumentRegistry registry;
        WindowManager manager(area, registry, {sink, prompts});
        manager.AddTemplate(MakeSkyPlotTemplate(context));
        CChildFrame* frame = manager.Open(WindowType::SkyPlot);
        ASSERT_NE(frame, nullptr);
        EXPECT_NE(qobject_cast<CAzimuthElevationView*>(frame->widget()), nullptr);
        const auto& doc = static_cast<CAzimuthElevationDoc&>(frame->Document());
        EXPECT_EQ(doc.Model().Mask().Entries()[3], (MaskEntry{3, loads ? 4 : 76, loads})) << file;
        EXPECT_EQ(doc.PathName(), loads ? saved : "") << file;
        EXPECT_EQ(doc.Title().endsWith("[auto.msk]"), loads) << file;
        EXPECT_FALSE(doc.IsModified());
    }
    EXPECT_TRUE(sink.messages.empty());
}

// Saved with its comment, then opened again as it was. The byte layout is the
// core's. Cancel at the save question opens nothing (the prompt itself is the
// framework's); a cancelled dialog does nothing, a missing or short file says so.
TEST_F(SkyPlotDocumentTest, SavesThenFileOpenAsksToSaveRefusesBadFilesAndOpensTheChosenOne) {
    SetSatellites({{5, 10, 15, 1, 45}, {6, 250, 33, 0, 45}, {7, 300, -2, 0, 45}});
    document.UpdatePlot(state);
    std::string comment(511, 'a'); // the longest the property sheet takes
    comment.back() = 'z';
    document.Model().SetComment(comment);
    ASSERT_TRUE(document.IsModified());
    ASSERT_TRUE(document.SaveAs(Path("new.msk")));
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.Title(), "Azimuth & Elevation Window - [new.msk]");
    const MaskFileContent saved = document.Model().FileContent();

    int asked = 0;
    std::string chosen;
    document.SetOpenPathChooser([&] { return ++asked, chosen; });
    SetSatellites({{8, 99, 9, 1, 45}});
    document.UpdatePlot(state); // modified
    EXPECT_TRUE(document.FileOpen());
    EXPECT_EQ(asked, 0);

    prompts.answer = SaveAnswer::No;
    EXPECT_TRUE(document.FileOpen());
    EXPECT_EQ(asked, 1);
    chosen = Path("missing.msk");
    EXPECT_TRUE(document.FileOpen());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Could Not Open File");

    // A short file is a read error that leaves the document as it was.
    document.Model().SetComment("kept");
    document.SetTitle("before");
    const MaskFileContent before = document.Model().FileContent();
    MaskFileContent other; // one byte short
    SetCommentText(other.comment, "replacement");
    chosen = Path("short.msk");
    std::ofstream(chosen, std::ios::binary) << EncodeMaskFile(other).substr(0, 6367);
    EXPECT_TRUE(document.FileOpen());
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_NE(sink.messages[1].text.find("short.msk"), std::string::npos);
    EXPECT_EQ(document.Model().FileContent(), before); // the comment with it
    EXPECT_EQ(document.Title(), "before");
    EXPECT_EQ(document.PathName(), Path("new.msk"));
    EXPECT_TRUE(document.IsModified());

    chosen = Path("new.msk"); // replaces what was learned since, not merged
    EXPECT_TRUE(document.FileOpen());
    EXPECT_EQ(document.Model().FileContent(), saved); // the 511-character comment with it
    EXPECT_EQ(document.Title(), "Azimuth & Elevation Window - [new.msk]");
    EXPECT_FALSE(document.IsModified());
}

// The property sheet edits the document and the profile.
TEST_F(SkyPlotDocumentTest, SheetShowsTheValuesOkStoresCancelDropsAndTheThresholdIs0To99) {
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
    // The document's and the profile's values the sheet may change.
    const auto held = [&] {
        return std::tuple(document.Model().Options().snrThreshold, document.Model().Comment(),
                          document.EnableAutoLoad(),
                          profile.GetInt("AzimuthElevation", "SNRThreshold", -1),
                          profile.GetInt("AzimuthElevation", "EnableAutoLoad", -1),
                          profile.GetString("AzimuthElevation", "LastAzimuthMaskFile", ""),
                          document.IsModified());
    };
    const auto before = held();
    auto sheet = Sheet();
    EXPECT_EQ(sheet->MaskPage().SnrEdit().text(), "37");
    EXPECT_EQ(sheet->MaskPage().CommentEdit().toPlainText(), "behind the barn");
    EXPECT_TRUE(sheet->AutoLoadPage().AutoLoadCheck().isChecked());
    EXPECT_EQ(sheet->AutoLoadPage().FileEdit().text(), "/data/barn.msk");
    edit(*sheet);
    sheet->reject();
    EXPECT_EQ(held(), before);

    sheet = Sheet();
    edit(*sheet);
    sheet->accept();
    EXPECT_EQ(held(), std::tuple(25, std::string(511, 'w'), 0, 25, 0,
                                 std::string("/home/u/roof.msk"), true));

    // The threshold must be an integer from 0 to 99.
    const std::pair<const char*, bool> cases[] = {{"0", true},   {"99", true},   {" 42 ", true},
                                                  {"-1", false}, {"100", false}, {"abc", false},
                                                  {"", false},   {"4.5", false}};
    for (const auto& [text, accepted] : cases) {
        sink.messages.clear();
        document.Model().Options().snrThreshold = 40;
        sheet = Sheet();
        sheet->MaskPage().SnrEdit().setText(text);
        sheet->accept();
        EXPECT_EQ(sheet->result() == QDialog::Accepted, accepted) << text;
        EXPECT_EQ(document.Model().Options().snrThreshold, accepted ? std::stoi(text) : 40) << text;
        EXPECT_EQ(sink.messages.size(), accepted ? 0u : 1u) << text;
    }
    EXPECT_EQ(sink.messages.at(0).text, "Please enter an integer between 0 and 99."); // "4.5"
}

} // namespace
