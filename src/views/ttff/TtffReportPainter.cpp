#include "views/ttff/TtffReportPainter.h"

#include "ttff/TtffReport.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>
#include <QTextOption>

namespace {

void Border(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

} // namespace

void PaintTtffReport(QPainter& painter, const QRect& client, const QString& text,
                     const QPalette& palette) {
    painter.fillRect(client, palette.color(QPalette::Button));
    Border(painter, client.adjusted(2, 2, -2, -2), palette.color(QPalette::Light),
           palette.color(QPalette::Shadow));
    Border(painter, client.adjusted(8, 8, -8, -8), palette.color(QPalette::Shadow),
           palette.color(QPalette::Light));

    // The size the window's height gives, made smaller where the report's
    // lines would not fit the panel (at that size they never do in a window
    // of the default height).
    const QRectF inner(client.adjusted(11, 11, -11, -11));
    const int lines = static_cast<int>(text.count('\n')) + 1;
    const int byHeight =
        painter.device()->logicalDpiY() * TtffReportFontTenths(client.height()) / 720;
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(
        std::max(6, std::min(byHeight, static_cast<int>(inner.height() / lines / 1.2))));
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    for (int tries = 0; tries < 20; ++tries) {
        const QFontMetricsF metrics(font, painter.device());
        option.setTabStopDistance(metrics.horizontalAdvance(QLatin1Char(' ')) * 5);
        const QRectF needed = metrics.boundingRect(inner, Qt::TextExpandTabs, text,
                                                   static_cast<int>(option.tabStopDistance()));
        if ((needed.width() <= inner.width() && needed.height() <= inner.height()) ||
            font.pixelSize() <= 6)
            break;
        font.setPixelSize(std::max(6, font.pixelSize() * 9 / 10));
    }
    painter.setFont(font);
    painter.setPen(palette.color(QPalette::ButtonText));
    painter.drawText(inner, text, option);
}
