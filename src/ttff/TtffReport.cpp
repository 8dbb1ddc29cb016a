#include "ttff/TtffReport.h"

#include "nmea/CoordinateFormat.h"
#include "ttff/TtffNumbers.h"

#include <initializer_list>
#include <string_view>

namespace {

// Values as "%6.1f" and a unit, each followed by its own gap, as the columns
// of the report are laid out.
template <typename Values>
std::string Columns(const Values& values, std::string_view unit,
                    std::initializer_list<std::string_view> gaps) {
    std::string text;
    auto gap = gaps.begin();
    for (const auto& v : values) {
        text.append(FormatFixed(static_cast<double>(v), 1, 6)).append(unit).append(*gap);
        if (gap + 1 != gaps.end()) ++gap;
    }
    return text;
}

std::string FixColumns(const std::array<double, kFixMilestones>& values) {
    return Columns(values, "s", {"    ", "    ", "    ", "    ", "   "});
}

std::string Status(const TtffReportInputs& in) {
    switch (in.status) {
    case TtffStatus::Timing:
        return "\t\t\tElapsed Time:  " + FormatFixed(in.elapsed, 1, -5) + "               ";
    case TtffStatus::Complete:
        return "\t\t\tTEST COMPLETE                          ";
    case TtffStatus::Pause:
        return "\t\t\tPause:         Waiting for " + FormatWhole(in.pauseSeconds) + " secs   ";
    case TtffStatus::SkyFeed:
        return "\t\t\tSkyFeed:  \tEPH " + FormatWhole(in.ephemerisNotices) + ", ALM " +
               FormatWhole(in.almanacNotices) + "        ";
    case TtffStatus::WaitingForData:
        break;
    }
    return "\t\t\tSky Feed:    Waiting for Data      ";
}

std::string_view FixModeText(int fixMode) {
    switch (fixMode) {
    case 0:
        return "\n Fix Mode: \tNo Fix   ";
    case 1:
        return "\n Fix Mode: \tDR       ";
    case 2:
        return "\n Fix Mode: \t2D       ";
    case 3:
        return "\n Fix Mode: \t3D       ";
    }
    return "\n Fix Mode: \tInvalid   ";
}

std::string_view ModeText(int mode) {
    switch (mode) {
    case kModeHot:
        return "HOT TTFF TEST";
    case kModeWarm:
        return "WARM TTFF TEST";
    case kModeCold:
        return "COLD TTFF TEST";
    }
    return {};
}

std::string Position(const TtffReportInputs& in, const ProfileStore& profile) {
    std::string text = "\n Lat:\t\t" + FormatLatitude(in.latitude, profile) + "\t\tLong:  \t\t" +
                       FormatLongitude(in.longitude, profile);
    if (in.truth.use)
        text += "\n Truth Lat\t" + FormatLatitude(in.truth.latitude, profile) +
                "\t\tTruth Long:  \t" + FormatLongitude(in.truth.longitude, profile);
    text += "\n 2D Offset:\t" + FormatFixed(in.error2D, 0, -5) + "m  \t\t\t\t3D Offset:\t" +
            FormatFixed(in.error3D, 0, -5) + "m       ";
    return text;
}

std::string FixStatistics(const TtffReportInputs& in) {
    const TtffData& d = in.results.Data();
    std::string text = "\n\t\t 2D-10km    2D-600m    2D-100m    3D-100m     2D-50m    3D-50m";
    text += "\n TTFF: \t" + FixColumns(d.fixTime);
    if (!in.single) {
        std::array<double, kFixMilestones> fix90{};
        for (int k = 0; k < kFixMilestones; ++k)
            fix90[k] = in.results.Fix90(k);
        text += "\n MEAN: \t" + FixColumns(d.fixMean) + "\n MAX: \t" + FixColumns(d.fixMax) +
                "\n MIN: \t" + FixColumns(d.fixMin) + "\n 90%: \t" + FixColumns(fix90);
    }
    std::string tests = "\n TESTS:\t";
    for (int k = 0; k < kFixMilestones; ++k)
        tests += FormatWhole(d.fixCount[k], 6) + (k < 4 ? "     " : k == 4 ? "    " : "   ");
    text += tests;
    if (!in.single)
        text += "\n FAILED:\t" + FormatWhole(in.failedTests, 6) + "     of " +
                FormatWhole(in.testsRun) + " tests run here (timed out or incomplete)";
    return text;
}

std::string AcquisitionStatistics(const TtffReportInputs& in) {
    const TtffData& d = in.results.Data();
    const bool accuracies = in.mode < kModeCold;
    std::array<double, kAcquisitionMilestones> times{}, accuracy{};
    for (int j = 0; j < kAcquisitionMilestones; ++j) {
        times[j] = in.results.AcquisitionTime(j);
        accuracy[j] = in.results.AcquisitionAccuracy(j);
    }
    std::string text = "\n\t\t\t\t\tTIME TO SATELLITE ACQUISITION";
    text += "\n\t\t\t3SV    \t4SV    \t5SV    ";
    text += "\n TTSA: \t" + Columns(times, "s", {"    ", "    ", "       "});
    if (accuracies) text += "\n ACC: \t" + Columns(accuracy, "m", {"    ", "    ", "     "});
    if (in.single) return text;
    text += "\n MEAN: \t" + Columns(d.acqMean, "s", {"    ", "    ", "     "});
    text += "\n MAX: \t" + Columns(d.acqMax, "s", {"    ", "    ", "       "});
    text += "\n MIN: \t" + Columns(d.acqMin, "s", {"    ", "    ", "   "});
    if (accuracies) {
        text += "\n CEP 95%: " + Columns(d.acqCep95, "m", {"    ", "    ", "     "});
        text += "\n CEP 68%: " + Columns(d.acqCep68, "m", {"    ", "    ", "     "});
        text += "\n Max Acc: " + Columns(d.acqMaxAccuracy, "m", {"    ", "    ", "     "});
    }
    return text;
}

} // namespace

std::string BuildTtffReport(const TtffReportInputs& in, const ProfileStore& profile) {
    std::string text = " GPS Time:\t" + FormatWhole(in.gpsHour, 2, '0') + ":" +
                       FormatWhole(in.gpsMinute, 2, '0') + ":" + FormatWhole(in.gpsSecond, 2, '0') +
                       "\t";
    text += Status(in);
    text += Position(in, profile);
    text += FixModeText(in.fixMode);
    text += in.single ? "\n\t\t\t\t\tSINGLE " : "\n\t\t\t\t\tMULTI ";
    text += ModeText(in.mode);
    text += in.truth.use ? " - USING TRUTH" : " - EST ACCURACY";
    text += FixStatistics(in);
    text += AcquisitionStatistics(in);
    return text;
}

int TtffReportFontTenths(int clientHeight) {
    return ((clientHeight - 20) * 9) / 15;
}
