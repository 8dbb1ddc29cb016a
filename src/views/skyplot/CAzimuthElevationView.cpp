#include "views/skyplot/CAzimuthElevationView.h"

#include "app/AppContext.h"
#include "profile/ProfileStore.h"
#include "views/skyplot/CAzimuthElevationDoc.h"
#include "views/skyplot/CAzimuthElevationPropertySheet.h"
#include "views/skyplot/CSkyPlotWnd.h"
#include "views/skyplot/SkyPlotPrinting.h"
#include "views/skyplot/SkyPlotSettings.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QVBoxLayout>

using namespace skyplot_profile;

namespace {

int Toggled(int value) {
    return value == 1 ? 0 : 1;
}

} // namespace

CAzimuthElevationView::CAzimuthElevationView(CAzimuthElevationDoc& document, AppContext& context,
                                             QWidget* parent)
    : CView(document, kTickMs, parent), document(document), context(context),
      plot(new CSkyPlotWnd(document.Model(), this)) {
    document.Model().Options() = ReadSkyPlotOptions(context.profile);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(plot);
    connect(&document, &CAzimuthElevationDoc::contentReplaced, plot, &CSkyPlotWnd::RedrawAll);
}

void CAzimuthElevationView::UpdatePlot() {
    plot->ShowChanges(document.UpdatePlot(context.state));
}

QMenu* CAzimuthElevationView::CreateContextMenu(QWidget* owner) {
    SkyPlotOptions& options = document.Model().Options();
    // The profile is the truth for these two; another window may have changed it.
    const SkyPlotOptions shown = options;
    options.enableTrails = context.profile.GetInt(kSection, kEnableTrails, 1);
    options.enableMaskAngle = context.profile.GetInt(kSection, kEnableMaskAngle, 1);
    if (options.enableTrails != shown.enableTrails) plot->RedrawAll();
    if (options.enableMaskAngle != shown.enableMaskAngle) plot->update();

    auto* menu = new QMenu(owner);
    menu->addAction(QStringLiteral("&Open..."), this, [this] { document.FileOpen(); });
    menu->addSeparator();
    QAction* trails = menu->addAction(QStringLiteral("&Enable Satellite Trails"), this,
                                      &CAzimuthElevationView::ToggleTrails);
    trails->setCheckable(true);
    trails->setChecked(options.enableTrails == 1);
    menu->addAction(QStringLiteral("&Clear Satellite Trails"), this,
                    &CAzimuthElevationView::ClearTrails);
    menu->addSeparator();
    QAction* mask = menu->addAction(QStringLiteral("E&nable Physical Mask Angle"), this,
                                    &CAzimuthElevationView::ToggleMaskAngle);
    mask->setCheckable(true);
    mask->setChecked(options.enableMaskAngle == 1);
    menu->addAction(QStringLiteral("C&lear Physical Mask Angle"), this,
                    &CAzimuthElevationView::ClearMask);
    menu->addSeparator();
    QAction* details = menu->addAction(QStringLiteral("Enable &Satellite Details"), this,
                                       &CAzimuthElevationView::ToggleSatDetails);
    details->setCheckable(true);
    details->setChecked(options.enableSatDetails == 1);
    menu->addAction(QStringLiteral("&Properties"), this, &CAzimuthElevationView::ShowProperties);
    return menu;
}

void CAzimuthElevationView::contextMenuEvent(QContextMenuEvent* event) {
    const QPoint at = event->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(QPoint(5, 5))
                                                                     : event->globalPos();
    QMenu* menu = CreateContextMenu(window());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(at);
}

void CAzimuthElevationView::ToggleTrails() {
    int& value = document.Model().Options().enableTrails;
    value = Toggled(value);
    context.profile.SetInt(kSection, kEnableTrails, value);
    plot->RedrawAll();
}

void CAzimuthElevationView::ClearTrails() {
    document.Model().ClearTrails();
    plot->RedrawAll();
}

void CAzimuthElevationView::ToggleMaskAngle() {
    int& value = document.Model().Options().enableMaskAngle;
    value = Toggled(value);
    context.profile.SetInt(kSection, kEnableMaskAngle, value);
    plot->update();
}

void CAzimuthElevationView::ClearMask() {
    document.ClearMask();
}

void CAzimuthElevationView::ToggleSatDetails() {
    int& value = document.Model().Options().enableSatDetails;
    value = Toggled(value);
    context.profile.SetInt(kSection, kEnableSatDetails, value);
    plot->update();
}

void CAzimuthElevationView::ShowProperties() {
    CAzimuthElevationPropertySheet sheet(document, context.profile, context.services.messages,
                                         this);
    sheet.exec();
}

void CAzimuthElevationView::Print(QPainter& painter, const QRect& page) {
    PrintSkyPlot(painter, page, document.Model());
}
