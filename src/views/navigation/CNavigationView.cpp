#include "views/navigation/CNavigationView.h"

#include "views/navigation/CNavigationDoc.h"
#include "views/navigation/NavigationLayout.h"
#include "views/navigation/NavigationText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTabStopCharacters = 5;

QRect ToQRect(const PanelRect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

// One-pixel lines: top and left in one colour, right and bottom in the other.
void Draw3dRect(QPainter& painter, const PanelRect& r, const QColor& topLeft,
                const QColor& bottomRight) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return;
    painter.fillRect(r.left, r.top, w - 1, 1, topLeft);
    painter.fillRect(r.left, r.top, 1, h - 1, topLeft);
    painter.fillRect(r.right - 1, r.top, 1, h, bottomRight);
    painter.fillRect(r.left, r.bottom - 1, w, 1, bottomRight);
}

} // namespace

CNavigationView::CNavigationView(CNavigationDoc& document, const ReceiverState& state,
                                 const ProfileStore& profile, QWidget* parent)
    : CView(document, kTickMs, parent), state(state), profile(profile) {}

void CNavigationView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter);
}

void CNavigationView::Print(QPainter& painter, const QRect& page) {
    if (width() <= 0 || height() <= 0) return;
    const double scale = std::min(static_cast<double>(page.width()) / width(),
                                  static_cast<double>(page.height()) / height());
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    Paint(painter);
    painter.restore();
}

// Sizes are in this widget's pixels, so the same drawing scales onto a page.
void CNavigationView::Paint(QPainter& painter) const {
    const NavigationLayout layout = LayoutNavigationPanel(width(), height());
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Button));
    Draw3dRect(painter, layout.raisedBorder, colours.color(QPalette::Light),
               colours.color(QPalette::Shadow));
    Draw3dRect(painter, layout.sunkenBorder, colours.color(QPalette::Shadow),
               colours.color(QPalette::Light));

    QFont font("Arial");
    const double pixels = layout.fontTenths / 10.0 * logicalDpiY() / 72.0;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    painter.setFont(font);
    painter.setPen(colours.color(QPalette::ButtonText));
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(kTabStopCharacters * QFontMetricsF(font).averageCharWidth());
    painter.drawText(QRectF(ToQRect(layout.text)),
                     QString::fromStdString(NavigationText(state, profile)), option);
}
