#pragma once

#include "app/CView.h"
#include "views/monitor/MonitorText.h"

class CCommandMonitorDoc;
class CMonitorEdit;
class QMenu;

// Shows what the receiver sends and writes what the user types to it. Text
// arriving from the receive thread is taken in batches, and the display is
// changed at its ends only (new text added, the oldest dropped), so it keeps
// up with a fast receiver.
class CCommandMonitorView : public CView {
    Q_OBJECT

public:
    explicit CCommandMonitorView(CCommandMonitorDoc& document, QWidget* parent = nullptr);

    CMonitorEdit& Edit() const { return *edit; }
    const MonitorText& Text() const { return text; }

    // The edit's pop-up menu, its items checked and enabled for the moment.
    QMenu* NewContextMenu(QWidget* parent);
    void EraseScreen();

    // The newest lines that fit on the page, in Courier 10 pt.
    void Print(QPainter& painter, const QRect& page) override;

private:
    void ShowArrived();
    void StartAfresh();
    void Send(const QString& typed);
    void ApplyChange();

    CCommandMonitorDoc& monitor;
    CMonitorEdit* edit;
    MonitorText text;
};
