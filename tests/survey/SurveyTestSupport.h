#pragma once

#include "profile/MemoryProfileStore.h"
#include "support/RecordingMessages.h"
#include "survey/SurveyData.h"

struct TestSurvey {
    MemoryProfileStore profile;
    TruthPosition truth{};
    RecordingMessages messages;
    SurveyData survey{profile, truth, messages};
};

// A fix of a stationary receiver, good enough for every average.
inline SurveySample Fix(double lat, double lon, double alt, uint16_t hdop10 = 12,
                        uint16_t vdop10 = 15, uint32_t fix3D = 1) {
    return {lat, lon, alt, 20, fix3D, 3, vdop10, hdop10, 4.5};
}
