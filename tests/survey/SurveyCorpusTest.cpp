// harrowctl survey on real captures and on bad input.

#include "nmea/CoordinateFormat.h"
#include "support/Files.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

struct Ran {
    int status = -1;
    std::string out;
};

Ran Harrowctl(const std::string& arguments) {
    const std::string command =
        std::string(HV_BINARY_DIR) + "/tools/harrowctl survey " + arguments + " 2>&1";
    Ran run;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[4096];
    for (size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, n);
    const int status = pipe ? ::pclose(pipe) : -1;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// Mean and population deviation of one axis, in two passes.
struct TwoPass {
    std::vector<double> values;
    double Mean() const {
        double sum = 0;
        for (double v : values)
            sum += v - values[0];
        return values.empty() ? 0 : values[0] + sum / values.size();
    }
    double Sigma() const {
        double sum = 0;
        for (double v : values)
            sum += (v - Mean()) * (v - Mean());
        return values.empty() ? 0 : std::sqrt(sum / values.size());
    }
};

// Every capture with fixes: harrowctl's figures against two passes over the
// fixes it stored, read back from the path file it wrote, with the default
// thresholds (HDOP and VDOP 3.0; altitudes of 3-D fixes only).
TEST(SurveyCorpus, FiguresAgreeWithTwoPasses) {
    const fs::path corpus = HV_CORPUS_DIR;
    if (!fs::is_directory(corpus)) GTEST_SKIP() << "no capture corpus at " << corpus;
    int surveyed = 0;
    for (const auto& entry : fs::directory_iterator(corpus)) {
        if (entry.path().extension() != ".log") continue;
        SCOPED_TRACE(entry.path().filename().string());
        TempFile pth("corpus");
        const Ran run =
            Harrowctl("--skip-comments --pth " + pth.path + " '" + entry.path().string() + "'");
        ASSERT_EQ(run.status, 0) << run.out;
        const Json figures = Json::parse(run.out);
        const std::string file = ReadFile(pth.path);
        TwoPass lat, lon, alt;
        for (size_t at = 2048; at + 78 <= file.size(); at += 78) {
            double v[3];
            uint16_t hdop, vdop;
            uint32_t fix3D;
            std::memcpy(v, file.data() + at, sizeof v);
            std::memcpy(&fix3D, file.data() + at + 26, 4);
            std::memcpy(&hdop, file.data() + at + 30, 2);
            std::memcpy(&vdop, file.data() + at + 32, 2);
            if (hdop > 0 && hdop <= 30) lat.values.push_back(v[0]), lon.values.push_back(v[1]);
            if (vdop > 0 && vdop <= 30 && fix3D == 1) alt.values.push_back(v[2]);
        }
        EXPECT_EQ(figures["samples"], (file.size() - 2048) / 78);
        EXPECT_EQ(figures["horizontal_samples"], lat.values.size());
        EXPECT_EQ(figures["vertical_samples"], alt.values.size());
        const double mLat = lat.Mean(), mLon = lon.Mean();
        EXPECT_NEAR(figures["mean"]["lat"], mLat, 1e-12);
        EXPECT_NEAR(figures["mean"]["lon"], mLon, 1e-12);
        EXPECT_NEAR(figures["mean"]["alt"], alt.Mean(), 1e-9);
        const double north = DistanceMiles(mLat, mLon, mLat + lat.Sigma(), mLon) * 1609.344;
        const double east = DistanceMiles(mLat, mLon, mLat, mLon + lon.Sigma()) * 1609.344;
        EXPECT_NEAR(figures["sigma_m"]["north"], north, 1e-6);
        EXPECT_NEAR(figures["sigma_m"]["east"], east, 1e-6);
        EXPECT_NEAR(figures["sigma_m"]["up"], alt.Sigma(), 1e-9);
        surveyed += figures["samples"] > 0;
    }
    EXPECT_GE(surveyed, 30);
}

// Refused input ends with status 2 and the reason; a truth replaces the means.
TEST(HarrowctlSurvey, TruthAndRefusedInput) {
    TempFile capture("capture",
                     "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n"
                     "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39\r\n");
    const Ran truth = Harrowctl("--truth '48 7 N,11.5,600' " + capture.path);
    ASSERT_EQ(truth.status, 0) << truth.out;
    const Json figures = Json::parse(truth.out);
    EXPECT_NEAR(figures["mean"]["lat"], 48 + 7 / 60.0, 1e-12);
    EXPECT_EQ(figures["mean"]["lon"], 11.5);
    EXPECT_EQ(figures["mean"]["alt"], 600);
    EXPECT_NEAR(figures["sigma_m"]["up"], 7.7, 1e-9);

    std::string v3(2048, '\0');
    v3.replace(0, 10, "Harrowview");
    v3[32] = 3;
    TempFile pth("v3", v3);
    std::filesystem::rename(pth.path, pth.path + ".pth");
    pth.path += ".pth";
    const std::pair<std::string, std::string> cases[] = {
        {pth.path, "version 3 path file"},
        {"--truth 91,0,0 " + capture.path, "ERROR IN LATITUDE"},
        {"/nonexistent.nmea", "cannot open /nonexistent.nmea"},
        {"/nonexistent.pth", "Could Not Open File"},
        {"", "no input"},
    };
    for (const auto& [arguments, message] : cases) {
        const Ran run = Harrowctl(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_NE(run.out.find(message), std::string::npos) << run.out;
    }
}

} // namespace
