#pragma once

#include "app/CView.h"
#include "views/signal/SignalBarModel.h"

class CSignalBarWnd;
class CSignalQualityPropertySheet;
class MessageSink;
class ProfileStore;
class QMenu;
struct AppContext;

// The signal quality window: once a second it copies the satellites into its
// bar model and repaints the bar chart, which fills the view. Its settings
// come from the profile and change through its property sheet.
class CSignalQualityView : public CView {
    Q_OBJECT

public:
    CSignalQualityView(CDocument& document, AppContext& context, QWidget* parent = nullptr);

    const SignalBarModel& Model() const { return model; }
    CSignalBarWnd& BarWindow() const { return *bars; }
    // "Reset Observed Min/Max" and "Properties", as the right mouse button or
    // the menu key shows them.
    QMenu& ContextMenu() const { return *menu; }

    void ResetObservedMinMax();
    // The Properties command: the sheet, modal.
    void ShowProperties();
    // The sheet ShowProperties shows, wired to this view (and its child):
    // Apply and OK take its settings, OK also stores the unit.
    CSignalQualityPropertySheet* CreatePropertySheet();

    // One update, as the timer does it.
    void Tick() override;
    void Print(QPainter& painter, const QRect& page) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ApplySettings(const SignalSettings& settings);
    void ShowUnitInTitle();

    ReceiverState& state;
    ProfileStore& profile;
    MessageSink& messages;
    SignalBarModel model;
    CSignalBarWnd* bars;
    QMenu* menu;
};
