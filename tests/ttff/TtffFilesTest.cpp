// The TTFF window's files and texts: .ttf bytes, CSV exports, the debug
// file's lines and the report.

#include "support/Files.h"

#include "nmea/CoordinateFormat.h"
#include "profile/MemoryProfileStore.h"
#include "ttff/TtffDebugFile.h"
#include "ttff/TtffFiles.h"
#include "ttff/TtffReport.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <functional>
#include <tuple>

namespace {

// A .ttf file put together byte by byte from the offsets of the format.
struct Bytes {
    Bytes& F64(size_t at, double v) { return Put(at, std::bit_cast<uint64_t>(v), 8); }
    Bytes& I32(size_t at, int32_t v) { return Put(at, static_cast<uint32_t>(v), 4); }
    Bytes& Put(size_t at, uint64_t u, size_t size) {
        for (size_t i = 0; i < size; ++i)
            text[at + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
        return *this;
    }
    std::string text = std::string(kTtfFileSize, '\0');
};

// Two 2D-10km results (12 s, 13 s), 3D-50m shown at 40.25 s, one 5SV
// acquisition after 3.5 s at 7.5 m (CEPs 7 m), from a warm test.
Bytes Fixture() {
    struct Value {
        size_t at;
        double value;
    };
    const Value floats[] = {{0, 12.5},  {40, 40.25}, {48, 12},  {96, 13},   {144, 12.5},
                            {192, 25},  {284, 7},    {308, 7},  {332, 3.5}, {356, 3.5},
                            {380, 7.5}, {404, 3.5},  {428, 3.5}};
    // Counts, mode, then bin 7 of the 5SV accuracies and bins 12, 13 of 2D-10km.
    const Value whole[] = {
        {240, 2}, {264, 2}, {436 + 7 * 36 + 32, 1}, {436 + 12 * 36, 1}, {436 + 13 * 36, 1}};
    Bytes b;
    for (auto [at, v] : floats)
        b.F64(at, v);
    for (auto [at, v] : whole)
        b.I32(at, static_cast<int32_t>(v));
    return b;
}

TtffData FixtureData() {
    TtffData d;
    d.fixTime = {12.5, 0, 0, 0, 0, 40.25};
    d.fixMin[0] = 12;
    d.fixMax[0] = 13;
    d.fixMean[0] = 12.5;
    d.fixTotal[0] = 25;
    d.fixCount[0] = 2;
    d.savedMode = kModeWarm;
    d.acqCep95[2] = d.acqCep68[2] = 7;
    d.acqMin[2] = d.acqMax[2] = d.acqMean[2] = d.acqTotal[2] = 3.5;
    d.acqMaxAccuracy[2] = 7.5;
    d.accuracyHistogram[2][7] = d.fixHistogram[0][12] = d.fixHistogram[0][13] = 1;
    return d;
}

// The fixture reads into every field and back to the same bytes; any fault
// refuses the file whole, the document keeping what it held.
TEST(TtfFile, ReadsEveryFieldInPlaceOrNothing) {
    EXPECT_EQ(EncodeTtf(FixtureData()), Fixture().text);
    const struct {
        std::function<void(Bytes&)> spoil;
        std::string error; // empty: read
    } cases[] = {
        {[](Bytes&) {}, ""},
        {[](Bytes& b) { b.text.pop_back(); }, "22035 bytes where a .ttf file has 22036"},
        {[](Bytes& b) { b.text += '\0'; }, "longer than the 22036 bytes of a .ttf file"},
        {[](Bytes& b) { b.I32(264, 9); }, "test mode 9 is not 0 to 3"},
        {[](Bytes& b) { b.I32(240, -1); }, "2D-10km count -1 is out of range"},
        {[](Bytes& b) { b.I32(240, 3); }, "count 3 does not match its histogram (2 results)"},
        {[](Bytes& b) { b.F64(48, NAN); }, "2D-10km times are not finite or out of range"},
        {[](Bytes& b) { b.F64(192, 1200); }, "2D-10km times"}, // more than 2 x 599 s
        {[](Bytes& b) { b.F64(332, -1); }, "5SV values are not finite or out of range"},
        {[](Bytes& b) { b.I32(720, -1); }, "5SV accuracy histogram has a negative bin"},
    };
    for (const auto& c : cases) {
        Bytes bytes = Fixture();
        c.spoil(bytes);
        const TempFile file("ttf", bytes.text);
        TtffData document;
        document.fixCount[1] = 1;
        std::string error;
        EXPECT_EQ(ReadTtfFile(file.path, document, error), c.error.empty());
        if (c.error.empty()) {
            EXPECT_EQ(document, FixtureData());
            continue;
        }
        EXPECT_EQ(document, (TtffData{.fixCount = {0, 1}}));
        EXPECT_EQ(error.find(file.path + ": "), 0u) << error;
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
}

// Under a locale with decimal commas the exports still use points.
TEST(TtffCsv, TextIsTheSameInEveryLocale) {
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale";
    const struct Restore {
        ~Restore() { std::setlocale(LC_ALL, "C"); }
    } restore;
    ASSERT_EQ(std::to_string(0.5), "0,500000"); // the locale is in force

    std::string expected = "TTFF, 12.500000,0.000000,0.000000,0.000000,0.000000,40.250000,\n"
                           "MIN, 12.000000,0.000000,0.000000,0.000000,0.000000,0.000000,\n"
                           "MAX, 13.000000,0.000000,0.000000,0.000000,0.000000,0.000000,\n"
                           "MEAN, 12.500000,0.000000,0.000000,0.000000,0.000000,0.000000,\n"
                           "TOTAL,25.000000,0.000000,0.000000,0.000000,0.000000,0.000000,\n"
                           "COUNT,2,0,0,0,0,0,\n"
                           "TTFF Mode, 2,\n"
                           "TTSA\n"
                           "MIN,0.000000,0.000000,3.500000,\n"
                           "MAX,0.000000,0.000000,3.500000,\n"
                           "MEAN,0.000000,0.000000,3.500000,\n"
                           "TOTAL,0.000000,0.000000,3.500000,\n"
                           "MAX  Acc,0.000000,0.000000,7.500000,\n"
                           "CEP 95%,0.000000,0.000000,7.000000,\n"
                           "CEP 68%,0.000000,0.000000,7.000000,\n"
                           "\n"
                           "2D 10km,2D  600m,2D 100m,3D 100m,2D 50m, 3D 50m, 3SV, 4SV, 5SV\n";
    for (int bin = 0; bin < 600; ++bin)
        expected += bin == 7                 ? "0,0,0,0,0,0,0,0,1,\n"
                    : bin == 12 || bin == 13 ? "1,0,0,0,0,0,0,0,0,\n"
                                             : "0,0,0,0,0,0,0,0,0,\n";
    EXPECT_EQ(TtffCsvText(FixtureData()), expected);

    TtffRunRecord good{.n = 1, .mode = kModeCold, .restarted = true, .resets = 1};
    for (int k = 0; k < kMilestones; ++k)
        good.times[k] = 1.5 * (k + 1);
    good.accuracies = {599, 12.25, 3};
    const TtffRunRecord lost{.n = 2, .mode = kModeHot, .timedOut = true, .resets = 3};
    EXPECT_EQ(TtffRunsCsvText({good, lost}),
              "n,mode,2D-10km,2D-600m,2D-100m,3D-100m,2D-50m,3D-50m,3SV,4SV,5SV,3SV accuracy,"
              "4SV accuracy,5SV accuracy,timed out,failed\n"
              "1,cold,1.500,3.000,4.500,6.000,7.500,9.000,10.500,12.000,13.500,599.0,12.2,3.0,0,0\n"
              "2,hot,,,,,,,,,,,,,1,1\n");
    EXPECT_EQ(FormatTtffDebugLine({123456.75, {1.5, 2, 3, 4, 5, 612.25}, 1, -2, 3, 4, 5.05}),
              "123456.8    1.5    2.0    3.0    4.0    5.0  612.2      1.0     -2.0      3.0"
              "      4.0      5.0\r\n");
    // Save As writes text for .csv names only.
    for (const char* path : {"r.CSV", "/a/r.csv"})
        EXPECT_TRUE(IsCsvPath(path)) << path;
    for (const char* path : {"r.csv.ttf", "r.ttf", "results", ".csv"})
        EXPECT_FALSE(IsCsvPath(path)) << path;
}

TEST(TtffReport, ShowsTheRunAsTheWindowDoes) {
    MemoryProfileStore profile;
    TtffReportInputs in;
    std::tie(in.gpsHour, in.gpsMinute, in.gpsSecond, in.status, in.elapsed) =
        std::tuple(9, 5, 3, TtffStatus::Timing, 12.34);
    std::tie(in.latitude, in.longitude, in.error2D, in.error3D, in.fixMode) =
        std::tuple(48.1, -11.5, 3.4, 15.6, 3);
    in.truth = {48.2, -11.4, 500, true};
    std::tie(in.single, in.mode, in.testsRun, in.failedTests) = std::tuple(false, kModeWarm, 3, 1);
    in.results.Load(FixtureData());
    const std::string report = BuildTtffReport(in, profile);
    const std::string expected =
        " GPS Time:\t09:05:03\t\t\t\tElapsed Time:  12.3                "
        "\n Lat:\t\t" +
        FormatLatitude(48.1, profile) + "\t\tLong:  \t\t" + FormatLongitude(-11.5, profile) +
        "\n Truth Lat\t" + FormatLatitude(48.2, profile) + "\t\tTruth Long:  \t" +
        FormatLongitude(-11.4, profile) +
        "\n 2D Offset:\t3    m  \t\t\t\t3D Offset:\t16   m       "
        "\n Fix Mode: \t3D       "
        "\n\t\t\t\t\tMULTI WARM TTFF TEST - USING TRUTH"
        "\n\t\t 2D-10km    2D-600m    2D-100m    3D-100m     2D-50m    3D-50m"
        "\n TTFF: \t  12.5s       0.0s       0.0s       0.0s       0.0s     40.2s   "
        "\n MEAN: \t  12.5s       0.0s       0.0s       0.0s       0.0s      0.0s   "
        "\n MAX: \t  13.0s       0.0s       0.0s       0.0s       0.0s      0.0s   "
        "\n MIN: \t  12.0s       0.0s       0.0s       0.0s       0.0s      0.0s   "
        "\n 90%: \t  12.0s       0.0s       0.0s       0.0s       0.0s      0.0s   "
        "\n TESTS:\t     2          0          0          0          0         0   "
        "\n FAILED:\t     1     of 3 tests run here (timed out or incomplete)"
        "\n\t\t\t\t\tTIME TO SATELLITE ACQUISITION"
        "\n\t\t\t3SV    \t4SV    \t5SV    "
        "\n TTSA: \t   0.0s       0.0s       0.0s       "
        "\n ACC: \t   0.0m       0.0m       0.0m     "
        "\n MEAN: \t   0.0s       0.0s       3.5s     "
        "\n MAX: \t   0.0s       0.0s       3.5s       "
        "\n MIN: \t   0.0s       0.0s       3.5s   "
        "\n CEP 95%:    0.0m       0.0m       7.0m     "
        "\n CEP 68%:    0.0m       0.0m       7.0m     "
        "\n Max Acc:    0.0m       0.0m       7.5m     ";
    EXPECT_EQ(report, expected);

    // A single cold test: no statistics of a run, no accuracies.
    std::tie(in.single, in.mode, in.truth.use, in.status, in.pauseSeconds) =
        std::tuple(true, kModeCold, false, TtffStatus::Pause, 17);
    const std::string single = BuildTtffReport(in, profile);
    EXPECT_NE(single.find("\t\t\tPause:         Waiting for 17 secs   \n"), std::string::npos);
    EXPECT_NE(single.find("SINGLE COLD TTFF TEST - EST ACCURACY\n"), std::string::npos);
    for (const char* absent : {"MEAN", "90%", "FAILED", "\n ACC:", "CEP", "Truth"})
        EXPECT_EQ(single.find(absent), std::string::npos) << absent;
    EXPECT_EQ(TtffReportFontTenths(320), 180);
}

} // namespace
