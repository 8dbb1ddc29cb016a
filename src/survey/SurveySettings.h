#pragma once

#include "survey/TruthPosition.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class ProfileStore;

inline constexpr std::string_view kSurveySection = "Survey Configuration";

// The survey's settings as kept in the profile section "Survey
// Configuration". Thresholds are DOP tenths; pane sizes are pixels.
struct SurveySettings {
    bool largePlotIndicator = false;       // "PlotIndicatorSize", text
    bool useLines = true;                  // "UseLines"
    uint16_t avgDopThreshold = 30;         // "AvgDOPThreshold", text; kept, unused
    uint16_t hdopThreshold = 30;           // "HDOPThreshold"
    uint16_t vdopThreshold = 30;           // "VDOPThreshold"
    bool verifyPositionFix = true;         // "VerifyPositionFix"
    std::string truthLatitude;             // "TruthLatitude", as typed
    std::string truthLongitude;            // "TruthLongitude"
    std::string truthAltitude;             // "TruthAltitude", metres
    bool useTruth = false;                 // "UseTruth"
    bool positionAvgIndicator = true;      // "EnablePositionAvgIndicator"
    bool positionAccuracyIndicator = true; // "EnablePositionAccuracyIndicator"
    bool leastSquaresIndicator = true;     // "EnablePALSFSD"
    bool autoScale = true;                 // "EnableSurveyAutoScale"
    bool autoClear = true;                 // "EnableSurveyAutoClear"
    int framePane = 300;                   // "FramePane", plot pane height
    int framePane2 = 150;                  // "FramePane2", elevation pane width

    bool operator==(const SurveySettings&) const = default;
};

// Out-of-range values are brought into range: thresholds to 0..65535 tenths,
// pane sizes to 0..100000 pixels; text entries convert like atoi (non-numeric
// text gives 0).
SurveySettings LoadSurveySettings(const ProfileStore& profile);
// What the settings sheet writes when its result is taken: every key but
// the five menu toggles and the pane sizes.
void SaveSheetSettings(ProfileStore& profile, const SurveySettings& settings);
void SavePaneSizes(ProfileStore& profile, const SurveySettings& settings);

// The five flags the survey menus toggle; each is written at once.
enum class SurveyToggle {
    LeastSquaresIndicator, // "E&nable Least Squares Fit Average Indicator"
    AverageIndicator,      // "Enable Position &Average Indicator"
    AccuracyIndicator,     // "Enable Position A&ccuracy Indicator"
    AutoScale,             // "&Auto Scale"
    AutoClear,             // "A&uto Clear Screen"
};
bool& ToggleFlag(SurveySettings& settings, SurveyToggle toggle);
void Toggle(SurveySettings& settings, SurveyToggle toggle, ProfileStore& profile);

// A threshold as typed ("2.5") to tenths (25) like a DOP (DopTenths); text
// that is not a number gives 0.
uint16_t ThresholdTenths(std::string_view text);
// Tenths as the threshold pages show them: " 2.5".
std::string ThresholdText(uint16_t tenths);

// The reference position from the stored texts, as the application loads it
// at start: a latitude or longitude that does not parse leaves that value as
// it was; a blank or non-numeric altitude reads 0. The truth is used only
// when the profile says so and all three entries are good.
void LoadTruthPosition(const SurveySettings& settings, TruthPosition& truth);

// The "Truth Position" page's entries.
struct TruthEntries {
    std::string latitude, longitude, altitude;
    bool use = false;

    bool operator==(const TruthEntries&) const = default;
};

// What keeps the sheet open: the message box's text and caption, and which
// edit to put the cursor in.
struct TruthProblem {
    enum class Field { Latitude, Longitude, Altitude } field;
    std::string text;
    std::string caption;
};

// Checks the page before anything is taken: a latitude or longitude that is
// typed must parse, a typed altitude must be a number, and the truth can be
// used only when all three are there. On success `truth` holds the entries.
std::optional<TruthProblem> CheckTruthEntries(const TruthEntries& entries, TruthPosition& truth);
