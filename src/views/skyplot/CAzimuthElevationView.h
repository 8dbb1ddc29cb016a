#pragma once

#include "app/CView.h"

class CAzimuthElevationDoc;
class CSkyPlotWnd;
class QMenu;
struct AppContext;

// The sky plot window: every 300 ms it takes the receiver's satellites into
// the document and redraws the plot.
class CAzimuthElevationView : public CView {
    Q_OBJECT

public:
    static constexpr int kTickMs = 300;

    CAzimuthElevationView(CAzimuthElevationDoc& document, AppContext& context,
                          QWidget* parent = nullptr);

    CSkyPlotWnd& PlotWindow() const { return *plot; }

    // One update: satellites, trails and mask from the receiver's state.
    void UpdatePlot();

    // The pop-up menu, its check marks read from the profile; owned by `owner`.
    QMenu* CreateContextMenu(QWidget* owner);
    void ToggleTrails();
    void ClearTrails();
    void ToggleMaskAngle();
    void ClearMask();
    void ToggleSatDetails();
    void ShowProperties();

    void Print(QPainter& painter, const QRect& page) override;

protected:
    void Tick() override { UpdatePlot(); }
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    CAzimuthElevationDoc& document;
    AppContext& context;
    CSkyPlotWnd* plot;
};
