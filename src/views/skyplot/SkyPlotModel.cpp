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

SkyPlotChanges SkyPlotModel::Update(const ReceiverState& state) {
    SatelliteTable table{};
    state.CopySatelliteTable(table);
    return Update(table, state.GetSatellitesInView());
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
