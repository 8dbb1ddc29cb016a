#pragma once

#include <QTimer>
#include <QWidget>

class CDocument;
class QPainter;
class QRect;

// One view of a document. Views poll: each has its own timer, running only
// while the view is shown, whose tick calls Tick().
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

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    CDocument& document;
    QTimer timer;
};
