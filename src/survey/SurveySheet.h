#pragma once

#include "survey/SurveySettings.h"

#include <optional>
#include <string>

// What the four pages of the survey's settings sheet edit ("Position Plot",
// "Position Average", "Printing", "Truth Position"), filled from the survey
// before the sheet opens.
struct SurveySheetValues {
    bool acquisitionEnabled = true; // not kept in the profile
    bool largePlotIndicator = false;
    bool useLines = true;
    bool verifyPositionFix = true;
    uint16_t avgDopThreshold = 30;
    uint16_t hdopThreshold = 30;
    uint16_t vdopThreshold = 30;
    std::string comment; // at most 511 characters, kept in the path file
    TruthEntries truth;

    bool operator==(const SurveySheetValues&) const = default;
};

// The sheet's buttons without the dialog. Apply and OK check the truth page
// first: on a problem the sheet stays open and nothing is taken. Cancel
// drops the edits made since the last Apply.
class SurveySheet {
public:
    explicit SurveySheet(SurveySheetValues initial) : values(std::move(initial)) {}

    SurveySheetValues& Values() { return values; }

    // On success the process-wide reference position takes the truth page's
    // entries at once, and these values become the sheet's result.
    std::optional<TruthProblem> Apply(TruthPosition& truth);
    // What the survey takes once the sheet has closed: the values of the
    // last successful Apply or OK, or nothing when there was none.
    const std::optional<SurveySheetValues>& Result() const { return applied; }

private:
    SurveySheetValues values;
    std::optional<SurveySheetValues> applied;
};
