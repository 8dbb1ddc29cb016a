#pragma once

#include "survey/PathFile.h"
#include "survey/SampleStore.h"
#include "survey/SurveySettings.h"
#include "survey/SurveySheet.h"
#include "survey/SurveyStatistics.h"

#include <functional>
#include <string>
#include <string_view>

class FileProgress;
class MessageSink;
class ProfileStore;

inline constexpr std::string_view kEraseQuestion =
    "This command will clear and erase all survey data. do you really want to continue?";
inline constexpr std::string_view kDisableAcquisitionQuestion = "Disable Position Acquisition?";
inline constexpr std::string_view kOldFormatNotice = "Harrowview will now read old file format.";
inline constexpr std::string_view kCouldNotOpenFile = "Could Not Open File";

// The survey document without its window: the samples, their statistics, the
// path-file header with the comment, the settings, and the commands. The Qt
// document (CSurveyDoc) wraps one and turns its questions into message boxes;
// harrowctl and the tests use it directly. UI thread only.
class SurveyData {
public:
    // A question for the user; true for Yes.
    using Question = std::function<bool()>;

    // Reads the settings from the profile. `truth` is the application's
    // reference position, shared with the TTFF test.
    SurveyData(ProfileStore& profile, TruthPosition& truth, MessageSink& messages);

    struct Added {
        bool stored = false;  // false: the survey is full, acquisition is now off
        bool cleared = false; // auto clear emptied the survey first
    };
    // One live fix. With auto clear on, a fix at exactly (0, 0, 0) or
    // (45, -60, 100), where the receiver reports itself after a reset,
    // empties the survey first and is then its only sample. When the survey
    // is full the user is told once and acquisition turns off.
    Added AddPosition(const SurveySample& sample);

    void ClearSurvey();
    // Rebuilds the statistics from every sample with the current thresholds.
    void RecomputeStatistics();
    void UpdateAltitudeRange();
    // For a live altitude outside the range: true when a bound moved.
    bool WidenAltitudeRange(double altitude);

    // "Erase and Clear Screen": asks kEraseQuestion; on Yes the survey is
    // emptied, unmodified, and belongs to no file, so Save asks for one.
    // True on Yes.
    bool Erase(const Question& confirm);
    // Reads and checks the whole file before anything changes; a file that
    // is refused leaves the survey as it was and `error` says why. An old
    // file is announced (kOldFormatNotice). While acquisition is on,
    // `disableAcquisition` is asked (kDisableAcquisitionQuestion, caption
    // "Harrowview") once the file is known to be good.
    bool Open(const std::string& path, const Question& disableAcquisition, FileProgress* progress,
              std::string& error);
    // Writes a version 2 file through a temporary file; on failure the old
    // file is untouched and `error` says why.
    bool Save(const std::string& path, FileProgress* progress, std::string& error);

    // "Survey Window - [name]", the name being the file's or "Untitled".
    std::string Title() const;
    const std::string& PathName() const { return pathName; } // empty: no file yet
    bool IsModified() const { return modified; }
    void SetModified(bool value) { modified = value; }

    bool AcquisitionEnabled() const { return acquisitionEnabled; }
    void SetAcquisitionEnabled(bool value) { acquisitionEnabled = value; }

    const SurveySettings& Settings() const { return settings; }
    // A menu toggle, written to the profile at once.
    void Toggle(SurveyToggle toggle);
    void SetPaneSizes(int plotHeight, int elevationWidth);
    // The settings sheet: its starting values, and what it gives back when it
    // closed after OK or an Apply (written to the profile, statistics rebuilt).
    SurveySheetValues SheetValues() const;
    void TakeSheetResult(const SurveySheetValues& values);

    const SampleStore& Samples() const { return samples; }
    uint32_t SampleCount() const { return samples.Size(); }
    const SurveyStatistics& Statistics() const { return statistics; }
    SurveySummary Summary(const SurveyUnits& units) const;
    const TruthPosition& Truth() const { return truth; }
    double MaxAltitude() const { return maxAltitude; }
    double MinAltitude() const { return minAltitude; }
    const PathHeader& Header() const { return header; }
    std::string Comment() const { return PathComment(header); }

private:
    ProfileStore& profile;
    TruthPosition& truth;
    MessageSink& messages;
    SurveySettings settings;
    SampleStore samples;
    SurveyStatistics statistics;
    PathHeader header{};
    std::string pathName;
    bool modified = false;
    bool acquisitionEnabled = true;
    double maxAltitude = -100000.0;
    double minAltitude = 99999.0;
};
