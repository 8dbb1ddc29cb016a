#include "survey/SurveyData.h"

#include "files/FileProgress.h"
#include "files/SafeFileWrite.h"
#include "link/MessageSink.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr std::string_view kCaption = "Harrowview";
constexpr uint32_t kProgressEvery = 100;
constexpr uint64_t kLargestFile =
    kPathHeaderSize + uint64_t{kPathRecordSize} * SampleStore::kMaxSamples;
constexpr size_t kRecordsPerWrite = 840; // about 64 kB

std::string FileName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsResetPosition(const SurveySample& s) {
    return (s.latitude == 0.0 && s.longitude == 0.0 && s.altitude == 0.0) ||
           (s.latitude == 45.0 && s.longitude == -60.0 && s.altitude == 100.0);
}

// The whole file; false with the reason when it cannot be read. `opened`
// tells a file that does not open from one that fails later.
bool ReadWhole(const std::string& path, std::string& bytes, bool& opened, std::string& why) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    opened = fd >= 0;
    if (!opened) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        why = "it is not a file";
    } else if (static_cast<uint64_t>(info.st_size) > kLargestFile) {
        why = "it is larger than the largest survey can be";
    } else {
        bytes.resize(static_cast<size_t>(info.st_size));
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                why = n < 0 ? std::strerror(errno) : "it became shorter while it was read";
                break;
            }
            done += static_cast<size_t>(n);
        }
    }
    ::close(fd);
    return why.empty();
}

} // namespace

SurveyData::SurveyData(ProfileStore& profile, TruthPosition& truth, MessageSink& messages)
    : profile(profile), truth(truth), messages(messages), settings(LoadSurveySettings(profile)) {
    statistics.SetThresholds(settings.hdopThreshold, settings.vdopThreshold);
}

SurveyData::Added SurveyData::AddPosition(const SurveySample& sample) {
    Added added;
    if (settings.autoClear && IsResetPosition(sample)) {
        ClearSurvey();
        pathName.clear();
        added.cleared = true;
    }
    if (!samples.Append(sample)) {
        if (acquisitionEnabled) {
            const bool full = samples.Size() == SampleStore::kMaxSamples;
            messages.ShowMessage(
                full ? "The survey holds 100000000 positions, as many as it can. Position "
                       "acquisition is now off: save the survey and erase it to go on."
                     : "There is no memory for more survey positions. Position acquisition is "
                       "now off: save the survey and erase it to go on.",
                kCaption, MessageIcon::Exclamation);
        }
        acquisitionEnabled = false;
        return added;
    }
    statistics.UpdateStatistics(sample);
    modified = true;
    added.stored = true;
    return added;
}

void SurveyData::ClearSurvey() {
    samples.Clear();
    statistics.Reset();
    UpdateAltitudeRange();
}

void SurveyData::RecomputeStatistics() {
    statistics.SetThresholds(settings.hdopThreshold, settings.vdopThreshold);
    statistics.Reset();
    samples.ForEach([this](const SurveySample& s) { statistics.UpdateStatistics(s); });
}

void SurveyData::UpdateAltitudeRange() {
    maxAltitude = -1000000.0;
    minAltitude = 999999.0;
    samples.ForEach([this](const SurveySample& s) { WidenAltitudeRange(s.altitude); });
}

bool SurveyData::WidenAltitudeRange(double altitude) {
    const bool above = altitude > maxAltitude, below = altitude < minAltitude;
    if (above) maxAltitude = altitude;
    if (below) minAltitude = altitude;
    return above || below;
}

bool SurveyData::Erase(const Question& confirm) {
    if (!confirm()) return false;
    ClearSurvey();
    pathName.clear();
    modified = false; // nothing left to lose
    return true;
}

bool SurveyData::Open(const std::string& path, const Question& disableAcquisition,
                      FileProgress* progress, std::string& error) {
    std::string bytes, why;
    bool opened = false;
    PathFileImage image;
    if (!ReadWhole(path, bytes, opened, why) ||
        !ParsePathFile(bytes, SampleStore::kMaxSamples, image, why)) {
        error = opened ? FileName(path) + " was not opened: " + why + "." : kCouldNotOpenFile;
        return false;
    }
    if (image.format == PathFormat::Old) messages.ShowMessage(kOldFormatNotice, kCaption, {});
    if (acquisitionEnabled && disableAcquisition && disableAcquisition())
        acquisitionEnabled = false;

    // Built aside and swapped in, so that running out of memory half way
    // leaves the open survey whole.
    SampleStore loaded;
    SurveyStatistics loadedStatistics = statistics;
    loadedStatistics.Reset();
    if (progress) progress->Begin("Reading Data:", image.count / kProgressEvery);
    bool ok = true;
    for (uint32_t i = 0; ok && i < image.count; ++i) {
        const SurveySample sample = image.Record(i);
        ok = loaded.Append(sample);
        loadedStatistics.UpdateStatistics(sample);
        if (progress && i % kProgressEvery == 0) progress->Step();
    }
    if (progress) progress->End();
    if (!ok) {
        error = FileName(path) + " was not opened: there is no memory for its " +
                std::to_string(image.count) + " positions.";
        return false;
    }
    samples.Swap(loaded);
    statistics = loadedStatistics;
    header = image.header;
    pathName = path;
    modified = image.format == PathFormat::Old; // saving makes it a version 2 file
    UpdateAltitudeRange();
    return true;
}

bool SurveyData::Save(const std::string& path, FileProgress* progress, std::string& error) {
    PathHeader stamped = header;
    StampHeader(stamped, samples.Size());
    if (progress) progress->Begin("Write Data:", samples.Size() / kProgressEvery);
    std::string chunk(kRecordsPerWrite * kPathRecordSize, '\0');
    uint32_t next = 0;
    bool headerSent = false;
    const auto produce = [&]() -> std::string_view {
        if (!std::exchange(headerSent, true)) return {stamped.data(), stamped.size()};
        const uint32_t end = std::min(samples.Size(), next + uint32_t{kRecordsPerWrite});
        for (uint32_t i = next; i < end; ++i) {
            EncodeRecord(samples[i], chunk.data() + (i - next) * kPathRecordSize);
            if (progress && i % kProgressEvery == 0) progress->Step();
        }
        const size_t length = (end - next) * kPathRecordSize;
        next = end;
        return {chunk.data(), length};
    };
    std::string reason;
    const bool ok = WriteFileSafely(path, produce, reason);
    if (progress) progress->End();
    if (!ok) {
        error = "The survey was not saved to " + path + ": " + reason + ".";
        return false;
    }
    header = stamped;
    pathName = path;
    modified = false;
    return true;
}

std::string SurveyData::Title() const {
    return "Survey Window - [" + (pathName.empty() ? "Untitled" : FileName(pathName)) + "]";
}

void SurveyData::Toggle(SurveyToggle toggle) {
    ::Toggle(settings, toggle, profile);
}

void SurveyData::SetPaneSizes(int plotHeight, int elevationWidth) {
    settings.framePane = plotHeight;
    settings.framePane2 = elevationWidth;
    SavePaneSizes(profile, settings);
}

SurveySheetValues SurveyData::SheetValues() const {
    SurveySheetValues v;
    v.acquisitionEnabled = acquisitionEnabled;
    v.largePlotIndicator = settings.largePlotIndicator;
    v.useLines = settings.useLines;
    v.verifyPositionFix = settings.verifyPositionFix;
    v.avgDopThreshold = settings.avgDopThreshold;
    v.hdopThreshold = settings.hdopThreshold;
    v.vdopThreshold = settings.vdopThreshold;
    v.comment = Comment();
    v.truth = {settings.truthLatitude, settings.truthLongitude, settings.truthAltitude,
               settings.useTruth};
    return v;
}

void SurveyData::TakeSheetResult(const SurveySheetValues& v) {
    acquisitionEnabled = v.acquisitionEnabled;
    settings.largePlotIndicator = v.largePlotIndicator;
    settings.useLines = v.useLines;
    settings.verifyPositionFix = v.verifyPositionFix;
    settings.avgDopThreshold = v.avgDopThreshold;
    settings.hdopThreshold = v.hdopThreshold;
    settings.vdopThreshold = v.vdopThreshold;
    settings.truthLatitude = v.truth.latitude;
    settings.truthLongitude = v.truth.longitude;
    settings.truthAltitude = v.truth.altitude;
    settings.useTruth = v.truth.use;
    SaveSheetSettings(profile, settings);
    SetPathComment(header, v.comment);
    RecomputeStatistics();
    modified = true;
}

SurveySummary SurveyData::Summary(const SurveyUnits& units) const {
    return Summarise(statistics, samples.Size(), truth, units);
}
