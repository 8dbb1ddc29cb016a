#include "survey/SurveySettings.h"

#include "nmea/FieldConversions.h"
#include "profile/ProfileStore.h"
#include "survey/ParseAngle.h"
#include "survey/SurveySample.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kMaxPane = 100000;
constexpr std::string_view kReference = "Reference Position";

uint16_t Tenths(int value) {
    return static_cast<uint16_t>(std::clamp(value, 0, 65535));
}

bool Flag(const ProfileStore& profile, std::string_view key, bool fallback) {
    return profile.GetInt(kSurveySection, key, fallback ? 1 : 0) != 0;
}

int Text(const ProfileStore& profile, std::string_view key, std::string_view fallback) {
    return ParseWhole(profile.GetString(kSurveySection, key, fallback));
}

std::string_view KeyOf(SurveyToggle toggle) {
    switch (toggle) {
    case SurveyToggle::LeastSquaresIndicator:
        return "EnablePALSFSD";
    case SurveyToggle::AverageIndicator:
        return "EnablePositionAvgIndicator";
    case SurveyToggle::AccuracyIndicator:
        return "EnablePositionAccuracyIndicator";
    case SurveyToggle::AutoScale:
        return "EnableSurveyAutoScale";
    case SurveyToggle::AutoClear:
        return "EnableSurveyAutoClear";
    }
    return {};
}

// The whole text as a finite decimal number, blanks around it allowed.
std::optional<double> WholeNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

SurveySettings LoadSurveySettings(const ProfileStore& p) {
    const SurveySettings d;
    SurveySettings s;
    s.largePlotIndicator = Text(p, "PlotIndicatorSize", "0") != 0;
    s.useLines = Flag(p, "UseLines", d.useLines);
    s.avgDopThreshold = Tenths(Text(p, "AvgDOPThreshold", "30"));
    s.hdopThreshold = Tenths(p.GetInt(kSurveySection, "HDOPThreshold", d.hdopThreshold));
    s.vdopThreshold = Tenths(p.GetInt(kSurveySection, "VDOPThreshold", d.vdopThreshold));
    s.verifyPositionFix = Flag(p, "VerifyPositionFix", d.verifyPositionFix);
    s.truthLatitude = p.GetString(kSurveySection, "TruthLatitude", "");
    s.truthLongitude = p.GetString(kSurveySection, "TruthLongitude", "");
    s.truthAltitude = p.GetString(kSurveySection, "TruthAltitude", "");
    s.useTruth = Flag(p, "UseTruth", d.useTruth);
    for (SurveyToggle t :
         {SurveyToggle::LeastSquaresIndicator, SurveyToggle::AverageIndicator,
          SurveyToggle::AccuracyIndicator, SurveyToggle::AutoScale, SurveyToggle::AutoClear})
        ToggleFlag(s, t) = Flag(p, KeyOf(t), true);
    s.framePane = std::clamp(p.GetInt(kSurveySection, "FramePane", d.framePane), 0, kMaxPane);
    s.framePane2 = std::clamp(p.GetInt(kSurveySection, "FramePane2", d.framePane2), 0, kMaxPane);
    return s;
}

void SaveSheetSettings(ProfileStore& p, const SurveySettings& s) {
    p.SetString(kSurveySection, "PlotIndicatorSize", s.largePlotIndicator ? "1" : "0");
    p.SetInt(kSurveySection, "HDOPThreshold", s.hdopThreshold);
    p.SetInt(kSurveySection, "VDOPThreshold", s.vdopThreshold);
    p.SetString(kSurveySection, "AvgDOPThreshold", std::to_string(s.avgDopThreshold));
    p.SetInt(kSurveySection, "UseLines", s.useLines ? 1 : 0);
    p.SetInt(kSurveySection, "VerifyPositionFix", s.verifyPositionFix ? 1 : 0);
    p.SetString(kSurveySection, "TruthLatitude", s.truthLatitude);
    p.SetString(kSurveySection, "TruthLongitude", s.truthLongitude);
    p.SetString(kSurveySection, "TruthAltitude", s.truthAltitude);
    p.SetInt(kSurveySection, "UseTruth", s.useTruth ? 1 : 0);
}

void SavePaneSizes(ProfileStore& p, const SurveySettings& s) {
    p.SetInt(kSurveySection, "FramePane", s.framePane);
    p.SetInt(kSurveySection, "FramePane2", s.framePane2);
}

bool& ToggleFlag(SurveySettings& s, SurveyToggle toggle) {
    switch (toggle) {
    case SurveyToggle::LeastSquaresIndicator:
        return s.leastSquaresIndicator;
    case SurveyToggle::AverageIndicator:
        return s.positionAvgIndicator;
    case SurveyToggle::AccuracyIndicator:
        return s.positionAccuracyIndicator;
    case SurveyToggle::AutoScale:
        return s.autoScale;
    case SurveyToggle::AutoClear:
        break;
    }
    return s.autoClear;
}

void Toggle(SurveySettings& s, SurveyToggle toggle, ProfileStore& profile) {
    bool& flag = ToggleFlag(s, toggle);
    flag = !flag;
    profile.SetInt(kSurveySection, KeyOf(toggle), flag ? 1 : 0);
}

uint16_t ThresholdTenths(std::string_view text) {
    return DopTenths(ParseReal(text));
}

std::string ThresholdText(uint16_t tenths) {
    char text[16];
    std::snprintf(text, sizeof text, "%4.01f", tenths * 0.1);
    return text;
}

void LoadTruthPosition(const SurveySettings& s, TruthPosition& truth) {
    const std::optional<double> latitude = ParseAngle(s.truthLatitude, true);
    const std::optional<double> longitude = ParseAngle(s.truthLongitude, false);
    if (latitude) truth.latitude = *latitude;
    if (longitude) truth.longitude = *longitude;
    truth.altitude = ParseReal(s.truthAltitude);
    // A profile written elsewhere may say "use" beside entries that are not
    // a position: the survey's own figures are shown then.
    truth.use = s.useTruth && latitude && longitude && WholeNumber(s.truthAltitude);
}

std::optional<TruthProblem> CheckTruthEntries(const TruthEntries& e, TruthPosition& truth) {
    using Field = TruthProblem::Field;
    const std::optional<double> latitude = ParseAngle(e.latitude, true);
    const std::optional<double> longitude = ParseAngle(e.longitude, false);
    const std::optional<double> altitude = WholeNumber(e.altitude);
    const auto problem = [](Field field, const char* text) {
        return TruthProblem{field, text, std::string(kReference)};
    };
    if (!e.latitude.empty() && !latitude) return problem(Field::Latitude, "ERROR IN LATITUDE");
    if (!e.longitude.empty() && !longitude) return problem(Field::Longitude, "ERROR IN LONGITUDE");
    if (!e.altitude.empty() && !altitude) return problem(Field::Altitude, "ERROR IN ALTITUDE");
    if (e.use && (!latitude || !longitude || !altitude)) {
        const Field missing = !latitude    ? Field::Latitude
                              : !longitude ? Field::Longitude
                                           : Field::Altitude;
        return problem(missing, "The truth position can be used only with a latitude, a "
                                "longitude and an altitude.");
    }
    truth = {latitude.value_or(truth.latitude), longitude.value_or(truth.longitude),
             altitude.value_or(truth.altitude), e.use};
    return std::nullopt;
}
