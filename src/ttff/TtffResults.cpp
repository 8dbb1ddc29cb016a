#include "ttff/TtffResults.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

double Bounded(double value) {
    return std::isnan(value) ? kMaxRecorded : std::clamp(value, 0.0, kMaxRecorded);
}

int32_t Sum(const TtffHistogram& histogram) {
    return std::accumulate(histogram.begin(), histogram.end(), int32_t{0});
}

} // namespace

int Percentile(const TtffHistogram& histogram, int32_t count, double fraction) {
    if (count <= 0) return 0;
    // With one or two values a truncated target would be 0 and give bin 0,
    // a time nobody measured.
    const auto target = std::max<int64_t>(1, static_cast<int64_t>(count * fraction));
    int64_t sum = 0;
    for (int bin = 0; bin < kHistogramBins - 1; ++bin) {
        sum += histogram[bin];
        if (sum >= target) return bin;
    }
    return kHistogramBins - 1;
}

void TtffResults::RecordFix(int k, double seconds) {
    if (data.fixCount[k] >= kMaxResults) return;
    const double v = Bounded(seconds);
    // A first value of 0.0 is a real minimum: "none yet" goes by the count.
    const bool first = data.fixCount[k] == 0;
    data.fixTime[k] = v;
    data.fixTotal[k] += v;
    data.fixCount[k] += 1;
    data.fixMean[k] = data.fixTotal[k] / data.fixCount[k];
    data.fixMin[k] = first ? v : std::min(data.fixMin[k], v);
    data.fixMax[k] = first ? v : std::max(data.fixMax[k], v);
    data.fixHistogram[k][static_cast<size_t>(v)] += 1;
    fix90[k] = Percentile(data.fixHistogram[k], data.fixCount[k], 0.9);
}

void TtffResults::RecordAcquisition(int j, double seconds, double accuracy) {
    if (acqCount[j] >= kMaxResults) return;
    const double t = std::isnan(seconds) ? 0.0 : std::max(0.0, seconds);
    const double a = Bounded(accuracy);
    const bool first = acqCount[j] == 0;
    acqTime[j] = t;
    acqAccuracy[j] = a;
    data.acqTotal[j] += t;
    acqCount[j] += 1;
    data.acqMean[j] = data.acqTotal[j] / acqCount[j];
    data.acqMin[j] = first ? t : std::min(data.acqMin[j], t);
    data.acqMax[j] = first ? t : std::max(data.acqMax[j], t);
    data.acqMaxAccuracy[j] = first ? a : std::max(data.acqMaxAccuracy[j], a);
    data.accuracyHistogram[j][static_cast<size_t>(a)] += 1;
    data.acqCep95[j] = Percentile(data.accuracyHistogram[j], acqCount[j], 0.95);
    data.acqCep68[j] = Percentile(data.accuracyHistogram[j], acqCount[j], 0.68);
}

void TtffResults::Load(const TtffData& loaded) {
    data = loaded;
    for (int k = 0; k < kFixMilestones; ++k)
        fix90[k] = Percentile(data.fixHistogram[k], data.fixCount[k], 0.9);
    for (int j = 0; j < kAcquisitionMilestones; ++j)
        acqCount[j] = Sum(data.accuracyHistogram[j]);
}

TtffData TtffResults::ToData(int32_t mode) const {
    TtffData copy = data;
    copy.savedMode = mode;
    return copy;
}
