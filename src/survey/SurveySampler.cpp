#include "survey/SurveySampler.h"

#include "survey/SurveyData.h"

SurveySampler::SurveySampler(const ReceiverState& state, SurveyData& survey)
    : state(state), survey(survey), lastEpoch(state.NewestFixEpoch()) {
    fresh.reserve(kFixRingSize);
}

SurveySampler::Tick SurveySampler::Sample(Take take) {
    Tick tick;
    state.CopyFixesAfter(lastEpoch, fresh);
    if (!fresh.empty()) lost += fresh.front().epoch - lastEpoch - 1;
    for (const FixSnapshot& fix : fresh) {
        if (&fix == &fresh.back() && take != Take::All) {
            const bool settled = fix.epoch == seenEpoch && fix.revision == seenRevision;
            seenEpoch = fix.epoch;
            seenRevision = fix.revision;
            if (take == Take::Closed || !settled) break;
        }
        Store(fix, tick);
        lastEpoch = fix.epoch;
    }
    return tick;
}

// The sampling rule: a fix the receiver marks invalid is passed over when
// VerifyPositionFix is on; nothing is stored while acquisition is off.
void SurveySampler::Store(const FixSnapshot& fix, Tick& tick) {
    if (survey.Settings().verifyPositionFix && fix.fixQuality == 0) return;
    if (!survey.AcquisitionEnabled()) return;
    SurveySample s;
    s.latitude = fix.latitude;
    s.longitude = fix.longitude;
    s.altitude = fix.altitude;
    s.pdop10 = DopTenths(fix.pdop);
    s.hdop10 = DopTenths(fix.hdop);
    s.vdop10 = DopTenths(fix.vdop);
    s.fix3D = fix.fixMode == 3 ? 1 : 0;
    s.accuracyClass = AccuracyClass(fix.horizontalError);
    s.horizontalAccuracy = fix.horizontalError;
    const SurveyData::Added added = survey.AddPosition(s);
    tick.stored += added.stored;
    tick.cleared = tick.cleared || added.cleared;
}
