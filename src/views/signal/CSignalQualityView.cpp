#include "views/signal/CSignalQualityView.h"

#include "app/AppContext.h"
#include "profile/ProfileStore.h"
#include "link/MessageSink.h"
#include "views/signal/CSignalBarWnd.h"
#include "views/signal/CSignalQualityPropertySheet.h"
#include "views/signal/SignalBarPainter.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPaintDevice>
#include <QPainter>
#include <QPointer>

namespace {

constexpr int kTickMs = 1000;

} // namespace

CSignalQualityView::CSignalQualityView(CDocument& document, AppContext& context, QWidget* parent)
    : CView(document, kTickMs, parent), state(context.state), profile(context.profile),
      messages(context.services.messages), model(LoadSignalSettings(context.profile)),
      bars(new CSignalBarWnd(model, this)), menu(new QMenu(this)) {
    menu->addAction(QStringLiteral("&Reset Observed Min/Max"), this,
                    &CSignalQualityView::ResetObservedMinMax);
    menu->addSeparator();
    menu->addAction(QStringLiteral("&Properties"), this, &CSignalQualityView::ShowProperties);
    ShowUnitInTitle();
}

void CSignalQualityView::Tick() {
    // One lock for the count and the rows, so they belong together.
    const SatGroup sat = state.CopySat();
    model.Update(sat.satellites, sat.satellitesInView, state.GetPolyiLevel());
    bars->update();
}

void CSignalQualityView::ResetObservedMinMax() {
    model.ResetObserved();
}

void CSignalQualityView::ShowProperties() {
    // The view may go while the sheet is open (the main window closing).
    QPointer<CSignalQualityPropertySheet> sheet = CreatePropertySheet();
    sheet->exec();
    delete sheet;
}

CSignalQualityPropertySheet* CSignalQualityView::CreatePropertySheet() {
    auto* sheet = new CSignalQualityPropertySheet(
        model.Settings(), model.ObservedMax(), model.ObservedMin(), messages,
        [this](const SignalSettings& settings) { ApplySettings(settings); }, this);
    connect(sheet, &QDialog::accepted, this, [this, sheet] {
        ApplySettings(sheet->Page().Settings());
        SaveSignalSettings(profile, model.Settings());
    });
    return sheet;
}

void CSignalQualityView::ApplySettings(const SignalSettings& settings) {
    model.SetSettings(settings);
    SaveSignalThresholds(profile, settings);
    ShowUnitInTitle();
    bars->update();
}

void CSignalQualityView::ShowUnitInTitle() {
    Document().SetTitle(QString::fromStdString(SignalWindowTitle(model.Settings().units)));
}

void CSignalQualityView::Print(QPainter& painter, const QRect& page) {
    // The chart as on screen, enlarged to the printer's resolution: the same
    // proportions, and the labels at their point size.
    const double screenDpi = logicalDpiY();
    const double scale = painter.device()->logicalDpiY() / screenDpi;
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    const QRect area(0, 0, static_cast<int>(page.width() / scale),
                     static_cast<int>(page.height() / scale));
    PaintSignalBars(painter, area, model, palette(), screenDpi);
    painter.restore();
}

void CSignalQualityView::resizeEvent(QResizeEvent* event) {
    CView::resizeEvent(event);
    bars->setGeometry(rect());
}

void CSignalQualityView::contextMenuEvent(QContextMenuEvent* event) {
    const QPoint at = event->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(QPoint(5, 5))
                                                                     : event->globalPos();
    menu->exec(at);
}
