#include "views/skyplot/SkyPlotModel.h"

#include "nmea/ReceiverState.h"

SkyPlotChanges SkyPlotModel::Update(const SatelliteTable& table, int inView) {
    satellites = SlotsFromTable(table, inView);
    SkyPlotChanges changes;
    for (int slot = 0; slot < kPlotSlots; ++slot) {
        const TrailAppend appended = trails.Append(slot, satellites[static_cast<size_t>(slot)]);
        if (appended == TrailAppend::Unchanged) continue;
        changes.addedTrailPoints.push_back(trails.Last(slot));
        changes.trailPointReplaced =
            changes.trailPointReplaced || appended == TrailAppend::Replaced;
    }
    changes.maskChanged = mask.Update(satellites, options.snrThreshold);
    return changes;
}

// The table and its count under one lock, so they belong together.
SkyPlotChanges SkyPlotModel::Update(const ReceiverState& state) {
    const SatGroup sat = state.CopySat();
    return Update(sat.satellites, sat.satellitesInView);
}

void SkyPlotModel::SetComment(std::string_view text) {
    SetCommentText(commentBuffer, text);
    comment = CommentText(commentBuffer);
}

void SkyPlotModel::Load(const MaskFileContent& content) {
    commentBuffer = content.comment;
    comment = CommentText(commentBuffer);
    mask.Assign(content.mask);
}
