// harrowctl survey on real captures and on bad input.

#include "nmea/CoordinateFormat.h"
#include "support/Files.h"
#include "survey/PathFile.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

// Exit status and everything written.
std::pair<int, std::string> Harrowctl(const std::string& arguments) {
    const std::string command = HV_BINARY_DIR "/tools/harrowctl survey " + arguments + " 2>&1";
    std::string out;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[4096];
    for (size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int status = pipe ? ::pclose(pipe) : -1;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

// Mean and population deviation, in two passes.
std::pair<double, double> TwoPasses(const std::vector<double>& values) {
    double sum = 0, sumDev2 = 0;
    for (double v : values)
        sum += v - values[0];
    const double mean = values.empty() ? 0 : values[0] + sum / values.size();
    for (double v : values)
        sumDev2 += (v - mean) * (v - mean);
    return {mean, values.empty() ? 0 : std::sqrt(sumDev2 / values.size())};
}

// Every capture with fixes: harrowctl's figures against two passes over the
// fixes it stored, with the default thresholds (HDOP and VDOP 3.0, 3-D fixes).
TEST(SurveyCorpus, FiguresAgreeWithTwoPasses) {
    const fs::path corpus = HV_CORPUS_DIR;
    if (!fs::is_directory(corpus)) GTEST_SKIP() << "no capture corpus at " << corpus;
    int surveyed = 0;
    for (const auto& entry : fs::directory_iterator(corpus)) {
        if (entry.path().extension() != ".log") continue;
        SCOPED_TRACE(entry.path().filename().string());
        TempFile pth("corpus");
        const auto [status, out] =
            Harrowctl("--skip-comments --pth " + pth.path + " '" + entry.path().string() + "'");
        ASSERT_EQ(status, 0) << out;
        const nlohmann::json figures = nlohmann::json::parse(out);
        PathFileImage image;
        std::string error;
        const std::string file = ReadFile(pth.path); // the image reads from it
        ASSERT_TRUE(ParsePathFile(file, 1u << 30, image, error)) << error;
        std::vector<double> lats, lons, alts;
        for (uint32_t i = 0; i < image.count; ++i) {
            const SurveySample s = image.Record(i);
            if (s.hdop10 > 0 && s.hdop10 <= 30)
                lats.push_back(s.latitude), lons.push_back(s.longitude);
            if (s.vdop10 > 0 && s.vdop10 <= 30 && s.fix3D == 1) alts.push_back(s.altitude);
        }
        const auto [lat, latSigma] = TwoPasses(lats);
        const auto [lon, lonSigma] = TwoPasses(lons);
        const auto [alt, altSigma] = TwoPasses(alts);
        EXPECT_EQ(figures["samples"], image.count);
        EXPECT_EQ(figures["horizontal_samples"], lats.size());
        EXPECT_EQ(figures["vertical_samples"], alts.size());
        EXPECT_NEAR(figures["mean"]["lat"], lat, 1e-12);
        EXPECT_NEAR(figures["mean"]["lon"], lon, 1e-12);
        EXPECT_NEAR(figures["mean"]["alt"], alt, 1e-9);
        EXPECT_NEAR(figures["sigma_m"]["north"],
                    DistanceMiles(lat, lon, lat + latSigma, lon) * 1609.344, 1e-6);
        EXPECT_NEAR(figures["sigma_m"]["east"],
                    DistanceMiles(lat, lon, lat, lon + lonSigma) * 1609.344, 1e-6);
        EXPECT_NEAR(figures["sigma_m"]["up"], altSigma, 1e-9);
        surveyed += figures["samples"] > 0;
    }
    EXPECT_GE(surveyed, 30);
}

TEST(HarrowctlSurvey, RefusedInputEndsWithStatusTwoAndTheReason) {
    for (const auto& [arguments, message] :
         {std::pair<std::string, std::string>{"/nonexistent.pth", "Could Not Open File"},
          {"--truth 91,0,0 /dev/null", "ERROR IN LATITUDE"},
          {"/nonexistent.nmea", "cannot open /nonexistent.nmea"}}) {
        const auto [refused, why] = Harrowctl(arguments);
        EXPECT_EQ(refused, 2) << arguments;
        EXPECT_NE(why.find(message), std::string::npos) << why;
    }
}

} // namespace
