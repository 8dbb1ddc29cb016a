#pragma once

#include <QTimer>
#include <QWidget>

class CDocument;
class QPainter;
class QRect;

// One view of a document. Views poll: each has its own timer, whose tick
// calls Tick(). It runs for the view's whole life, minimised or hidden too,
// since ticks sample and learn (a sky plot's mask, a survey's positions);
// only painting pauses while nothing is shown, as Qt skips update() then.
class CView : public QWidget {
    Q_OBJECT

public:
    // A period of 0: the view is told of changes and runs no timer.
    CView(CDocument& document, int tickPeriodMs, QWidget* parent = nullptr);

    CDocument& Document() const { return document; }
    bool TimerRunning() const { return timer.isActive(); }

    // Draws the view onto a printer page; `page` is the printable area in the
    // printer's pixels. The default draws what the window shows, scaled to fit.
    virtual void Print(QPainter& painter, const QRect& page);

protected:
    virtual void Tick() {}

private:
    CDocument& document;
    QTimer timer;
};
