#include "app/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <numbers>

namespace {

const QColor kInk(40, 40, 48);

void Page(QPainter& p) {
    QPainterPath sheet;
    sheet.moveTo(7, 3);
    sheet.lineTo(20, 3);
    sheet.lineTo(26, 9);
    sheet.lineTo(26, 29);
    sheet.lineTo(7, 29);
    sheet.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF({{20, 3}, {20, 9}, {26, 9}}));
}

void Folder(QPainter& p) {
    p.setBrush(QColor(235, 190, 80));
    p.drawPolygon(QPolygonF({{3, 8}, {12, 8}, {14, 11}, {28, 11}, {28, 27}, {3, 27}}));
    p.setBrush(QColor(250, 215, 120));
    p.drawPolygon(QPolygonF({{3, 27}, {7, 15}, {31, 15}, {28, 27}}));
}

void Disk(QPainter& p) {
    p.setBrush(QColor(60, 90, 170));
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(8, 18, 16, 10));
}

void Bars(QPainter& p) {
    const int heights[] = {8, 14, 20, 12, 24};
    for (int i = 0; i < 5; ++i) {
        p.setBrush(i == 3 ? QColor(220, 60, 50) : QColor(40, 170, 70));
        p.drawRect(QRectF(3 + i * 5.5, 29 - heights[i], 4, heights[i]));
    }
}

void Compass(QPainter& p) {
    p.setBrush(QColor(230, 235, 245));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setBrush(QColor(210, 50, 50));
    p.drawPolygon(QPolygonF({{16, 5}, {20, 16}, {12, 16}}));
    p.setBrush(QColor(60, 60, 70));
    p.drawPolygon(QPolygonF({{16, 27}, {20, 16}, {12, 16}}));
}

void Target(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(4, 4, 24, 24));
    p.drawEllipse(QRectF(10, 10, 12, 12));
    p.drawLine(QPointF(16, 2), QPointF(16, 30));
    p.drawLine(QPointF(2, 16), QPointF(30, 16));
    p.setBrush(QColor(30, 110, 220));
    p.setPen(Qt::NoPen);
    for (QPointF dot : {QPointF(13, 14), QPointF(18, 12), QPointF(17, 19), QPointF(20, 16)})
        p.drawEllipse(dot, 1.6, 1.6);
}

void Sky(QPainter& p) {
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(2, 2, 28, 28));
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(9, 9, 14, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 220, 60));
    p.drawEllipse(QPointF(11, 12), 2.2, 2.2);
    p.drawEllipse(QPointF(21, 19), 2.2, 2.2);
    p.setBrush(QColor(230, 50, 50));
    p.drawEllipse(QPointF(19, 8), 2.2, 2.2);
}

void Terminal(QPainter& p) {
    p.setBrush(QColor(20, 30, 30));
    p.drawRoundedRect(QRectF(3, 5, 26, 22), 2, 2);
    p.setPen(QPen(QColor(90, 230, 110), 2));
    p.drawLine(QPointF(7, 11), QPointF(22, 11));
    p.drawLine(QPointF(7, 16), QPointF(18, 16));
    p.drawLine(QPointF(7, 21), QPointF(12, 21));
}

// A receiver reset: a circular arrow in the start's colour.
void Reset(QPainter& p, QColor colour) {
    p.setPen(QPen(colour, 4, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6, 6, 20, 20), 60 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({{18, 2}, {26, 8}, {17, 12}}));
}

void Stopwatch(QPainter& p) {
    p.setBrush(QColor(240, 240, 240));
    p.drawEllipse(QRectF(5, 7, 22, 22));
    p.drawRect(QRectF(13, 2, 6, 4));
    p.setPen(QPen(QColor(200, 40, 40), 2));
    const double angle = std::numbers::pi / 3;
    p.drawLine(QPointF(16, 18), QPointF(16 + 8 * std::sin(angle), 18 - 8 * std::cos(angle)));
}

void Gear(QPainter& p) {
    p.setBrush(QColor(120, 130, 145));
    QPolygonF teeth;
    for (int i = 0; i < 16; ++i) {
        const double a = i * std::numbers::pi / 8;
        const double r = (i % 2) ? 10 : 14;
        teeth << QPointF(16 + r * std::cos(a), 16 + r * std::sin(a));
    }
    p.drawPolygon(teeth);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 16), 4, 4);
}

void Letter(QPainter& p, QColor fill, const QString& letter) {
    p.setBrush(fill);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    QFont font("Arial");
    font.setPixelSize(19);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, letter);
}

void Draw(QPainter& p, Command command) {
    p.setPen(QPen(kInk, 1.2));
    switch (command) {
    case Command::New:
        return Page(p);
    case Command::Open:
        return Folder(p);
    case Command::Save:
        return Disk(p);
    case Command::SignalQuality:
        return Bars(p);
    case Command::Navigation:
        return Compass(p);
    case Command::Survey:
        return Target(p);
    case Command::SkyPlot:
        return Sky(p);
    case Command::CommandMonitor:
        return Terminal(p);
    case Command::HotStart:
        return Reset(p, QColor(220, 40, 40));
    case Command::WarmStart:
        return Reset(p, QColor(240, 150, 30));
    case Command::ColdStart:
        return Reset(p, QColor(40, 120, 230));
    case Command::TtffTest:
        return Stopwatch(p);
    case Command::SetupGps:
        return Gear(p);
    case Command::About:
        return Letter(p, QColor(40, 110, 200), "i");
    case Command::Help:
        return Letter(p, QColor(60, 150, 80), "?");
    default:
        return;
    }
}

} // namespace

QIcon ToolbarIcon(Command command) {
    QPixmap pixmap(kToolbarImageSize, kToolbarImageSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    Draw(painter, command);
    painter.end();
    return QIcon(pixmap);
}

QImage ApplicationIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / double(kToolbarImageSize), size / double(kToolbarImageSize));
    Sky(painter);
    return image;
}
