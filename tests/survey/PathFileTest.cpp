#include "SurveyTestSupport.h"

#include "files/FileProgress.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <random>

namespace {

template <typename T>
void Put(std::string& bytes, size_t at, T value) {
    std::memcpy(bytes.data() + at, &value, sizeof value);
}

std::string Header(uint32_t version, uint32_t count, size_t records, size_t recordSize) {
    std::string b(2048 + records * recordSize, '\0');
    b.replace(0, 10, "Harrowview");
    Put(b, 32, version);
    Put(b, 36, count);
    return b;
}

// One fix, commented, laid out by hand.
std::string Version2File() {
    std::string b = Header(2, 1, 1, 78);
    b.replace(40, 12, "Roof antenna");
    Put(b, 2048, 51.5);
    Put(b, 2056, -0.1);
    Put(b, 2064, 123.45);
    Put<uint16_t>(b, 2072, 17); // PDOP
    Put<uint32_t>(b, 2074, 1);  // 3-D
    Put<uint16_t>(b, 2078, 9);  // HDOP
    Put<uint16_t>(b, 2080, 14); // VDOP
    Put<uint32_t>(b, 2082, 2);  // accuracy class
    Put(b, 2086, 35.5);
    return b;
}
const SurveySample kFixtureSample{51.5, -0.1, 123.45, 17, 1, 2, 14, 9, 35.5};

// The 18 bytes that version 1 and old records begin with.
void PutPrefix(std::string& b, size_t at, std::array<int32_t, 3> position, uint16_t dop,
               uint32_t fix3D) {
    Put(b, at, position);
    Put(b, at + 12, dop);
    Put(b, at + 14, fix3D);
}

std::vector<SurveySample> SamplesOf(const SurveyData& survey) {
    std::vector<SurveySample> all;
    survey.Samples().ForEach([&](const SurveySample& s) { all.push_back(s); });
    return all;
}

struct RecordingProgress : FileProgress {
    std::string label;
    uint32_t range = 0, steps = 0, ends = 0;
    void Begin(std::string_view l, uint32_t r) override { label = l, range = r; }
    void Step() override { ++steps; }
    void End() override { ++ends; }
};

bool Open(TestSurvey& t, const std::string& bytes, std::string& error, bool* asked = nullptr) {
    TempFile file("survey", bytes);
    return t.survey.Open(
        file.path, [&] { return asked && (*asked = true); }, nullptr, error);
}

TEST(PathFile, VersionTwoLayoutByOffset) {
    TestSurvey written;
    SurveySheetValues values = written.survey.SheetValues();
    values.comment = "Roof antenna";
    written.survey.TakeSheetResult(values);
    written.survey.AddPosition(kFixtureSample);
    TempFile saved("survey");
    std::string error;
    ASSERT_TRUE(written.survey.Save(saved.path, nullptr, error)) << error;
    EXPECT_EQ(ReadFile(saved.path), Version2File());
    EXPECT_FALSE(written.survey.IsModified());
    TestSurvey read;
    ASSERT_TRUE(Open(read, Version2File(), error)) << error;
    EXPECT_EQ(SamplesOf(read.survey), std::vector{kFixtureSample});
    EXPECT_EQ(read.survey.Comment(), "Roof antenna");
    TestSurvey empty;
    ASSERT_TRUE(empty.survey.Save(saved.path, nullptr, error)) << error;
    EXPECT_EQ(ReadFile(saved.path), Header(2, 0, 0, 0));
}

// Across blocks, every field, progress after records 0, 100, ... 5000 both ways.
TEST(PathFile, RoundTripIsBitExact) {
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> any(-1e4, 1e4);
    TestSurvey first, second;
    for (int i = 0; i < 5003; ++i) {
        const auto bits = random();
        first.survey.AddPosition(
            {any(random), any(random), any(random), static_cast<uint16_t>(bits),
             static_cast<uint32_t>(bits >> 16), static_cast<uint32_t>(bits >> 20),
             static_cast<uint16_t>(bits >> 32), static_cast<uint16_t>(bits >> 48), any(random)});
    }
    TempFile a("survey"), b("survey");
    RecordingProgress saving, reading;
    std::string error;
    ASSERT_TRUE(first.survey.Save(a.path, &saving, error)) << error;
    ASSERT_TRUE(second.survey.Open(a.path, {}, &reading, error)) << error;
    EXPECT_EQ(second.survey.Title(), "Survey Window - [" + a.path.substr(5) + "]");
    ASSERT_TRUE(second.survey.Save(b.path, nullptr, error)) << error;
    EXPECT_EQ(SamplesOf(second.survey), SamplesOf(first.survey));
    EXPECT_EQ(ReadFile(b.path), ReadFile(a.path));
    for (const RecordingProgress* p : {&saving, &reading})
        EXPECT_EQ(std::tie(p->range, p->steps, p->ends), std::make_tuple(50u, 51u, 1u));
    EXPECT_EQ(std::tie(saving.label, reading.label), std::tuple("Write Data:", "Reading Data:"));
}

// Scaled integers; a reset position inside a file is an ordinary record.
TEST(PathFile, VersionOneAndOldFormat) {
    std::string v1 = Header(1, 1, 1, 62), old(4 + 2 * 18, '\0');
    PutPrefix(v1, 2048, {515000000, -1000000, 12345}, 17, 1);
    Put(v1, 2066, std::array<uint16_t, 2>{9, 14}); // HDOP, VDOP
    Put<uint32_t>(old, 0, 2);
    PutPrefix(old, 4, {515000000, -1000000, 12345}, 17, 0);
    PutPrefix(old, 22, {450000000, -600000000, 10000}, 5, 1);
    const SurveySample first{515000000 * 1e-7, -1000000 * 1e-7, 12345 * 0.01, 17, 1, 3, 14, 9, 0};
    const std::tuple<std::string, std::vector<SurveySample>, bool> cases[] = {
        {v1, {first}, false},
        {old,
         {{first.latitude, first.longitude, first.altitude, 17, 0, 3, 17, 17, 0},
          {450000000 * 1e-7, -600000000 * 1e-7, 10000 * 0.01, 5, 1, 3, 5, 5, 0}},
         true}};
    for (const auto& [bytes, samples, old] : cases) {
        TestSurvey t;
        std::string error;
        ASSERT_TRUE(Open(t, bytes, error)) << error;
        EXPECT_EQ(SamplesOf(t.survey), samples);
        EXPECT_EQ(t.survey.IsModified(), old); // saving turns it into version 2
        EXPECT_EQ(t.messages.All().size(), old ? 1u : 0u);
    }
}

// Refused whole, with a reason; the open survey stays, nothing is asked.
TEST(PathFile, BadFilesLeaveTheSurveyAlone) {
    const auto patched = [](size_t at, auto value, size_t size = 2126) {
        std::string b = Version2File();
        b.resize(size);
        Put(b, at, value);
        return b;
    };
    const std::pair<std::string, std::string> cases[] = {
        {Version2File().substr(0, 2120), "holds 2120 bytes, but its 1 version 2 records need 2126"},
        {Version2File() + "x", "holds 2127 bytes"},
        {patched(32, uint32_t{3}), "version 3 path file"},
        {patched(36, uint32_t{0xFFFFFFFF}), "4294967295 version 2 records need"},
        {patched(2048, std::nan("")), "record 1 holds a value that is not a number"},
        {patched(2086, HUGE_VAL), "record 1 holds a value that is not a number"},
        {Version2File().substr(0, 300), "ends inside its 2048-byte header"},
        {std::string(4 + 18 * 3 - 1, '\3'), "it has no Harrowview header"},
        {"", "too short"},
    };
    TestSurvey t;
    t.survey.AddPosition(Fix(48, 11, 500));
    t.survey.AddPosition(Fix(48.00001, 11, 502));
    TempFile kept("survey");
    std::string error;
    ASSERT_TRUE(t.survey.Save(kept.path, nullptr, error));
    const SurveySummary before = t.survey.Summary(SurveyUnitsFor(0));
    for (const auto& [bytes, reason] : cases) {
        bool asked = false;
        EXPECT_FALSE(Open(t, bytes, error, &asked));
        EXPECT_NE(error.find(reason), std::string::npos) << error;
        EXPECT_FALSE(asked) << reason;
        EXPECT_EQ(t.survey.Summary(SurveyUnitsFor(0)), before) << reason;
        EXPECT_EQ(t.survey.PathName(), kept.path) << reason;
    }
    EXPECT_TRUE(t.messages.All().empty());
}

} // namespace
