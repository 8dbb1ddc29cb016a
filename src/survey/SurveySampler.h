#pragma once

#include "nmea/ReceiverState.h"

#include <cstdint>
#include <vector>

class SurveyData;

// Moves the receiver's fixes into the survey, each epoch exactly once, from
// the state's ring of recent epochs rather than by watching the position
// count (which loses fixes at 10 Hz and counts GGA, POLYA and PASHR POS of
// one epoch separately). Driven by the survey's 100 ms timer for the
// window's whole life, minimised or not; harrowctl drives it per sentence.
class SurveySampler {
public:
    // Which epochs a tick takes. The newest epoch may still be growing (its
    // DOPs or error estimate may follow in later sentences):
    enum class Take {
        Settled, // the newest once it is unchanged since the previous tick
        Closed,  // never the newest: a later epoch has begun
        All,     // the newest too (the end of a capture)
    };

    struct Tick {
        uint32_t stored = 0;  // samples added; the plot draws the newest this many
        bool cleared = false; // auto clear emptied the survey on the way
    };

    // Starts after the newest epoch the state holds now.
    SurveySampler(const ReceiverState& state, SurveyData& survey);

    Tick Sample(Take take = Take::Settled);
    // Epochs that left the ring before a tick could take them.
    uint32_t Lost() const { return lost; }

private:
    void Store(const FixSnapshot& fix, Tick& tick);

    const ReceiverState& state;
    SurveyData& survey;
    uint32_t lastEpoch;
    uint32_t seenEpoch = 0, seenRevision = 0; // the newest at the previous tick
    uint32_t lost = 0;
    std::vector<FixSnapshot> fresh;
};
