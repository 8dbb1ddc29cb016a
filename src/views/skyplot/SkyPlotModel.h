#pragma once

#include "views/skyplot/MaskFile.h"
#include "views/skyplot/PhysicalMask.h"
#include "views/skyplot/PlotSatellites.h"
#include "views/skyplot/SatelliteTrails.h"

#include <string>
#include <string_view>
#include <vector>

class ReceiverState;

// What the plot shows and how; each window reads its values from the
// profile when it is made.
struct SkyPlotOptions {
    int enableTrails = 1;
    int enableMaskAngle = 1;
    int snrThreshold = 30;
    int enableSatDetails = 1;
};

// What one update changed, so the window redraws no more than it must.
struct SkyPlotChanges {
    std::vector<TrailPoint> addedTrailPoints;
    bool trailPointReplaced = false; // a drawable point left a full ring
    bool maskChanged = false;
};

// All data of the sky plot: the satellites of the last update, their trails,
// the physical mask and its comment.
class SkyPlotModel {
public:
    // One update from the receiver's table: the slots, the trails, the mask.
    SkyPlotChanges Update(const SatelliteTable& table, int inView);
    SkyPlotChanges Update(const ReceiverState& state);

    const PlotSatellites& Satellites() const { return satellites; }
    const SatelliteTrails& Trails() const { return trails; }
    void ClearTrails() { trails.Clear(); }
    const PhysicalMask& Mask() const { return mask; }
    void ResetMask() { mask.Reset(); }

    SkyPlotOptions& Options() { return options; }
    const SkyPlotOptions& Options() const { return options; }

    const std::string& Comment() const { return comment; }
    void SetComment(std::string_view text);

    // The mask and the comment as a mask file holds them.
    MaskFileContent FileContent() const { return {commentBuffer, mask.Entries()}; }
    void Load(const MaskFileContent& content);

private:
    PlotSatellites satellites{};
    SatelliteTrails trails;
    PhysicalMask mask;
    SkyPlotOptions options;
    CommentBuffer commentBuffer{};
    std::string comment;
};
