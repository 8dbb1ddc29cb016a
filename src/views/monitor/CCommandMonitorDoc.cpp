#include "views/monitor/CCommandMonitorDoc.h"

#include "app/AppContext.h"
#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"

#include <QMetaObject>

CCommandMonitorDoc::CCommandMonitorDoc(AppContext& context, DocumentServices services)
    : CDocument(WindowType::CommandMonitor, services), context(context) {
    const auto pass = context.receiver.LockPass();
    context.receiver.SetMonitor(this);
}

CCommandMonitorDoc::~CCommandMonitorDoc() {
    {
        const auto pass = context.receiver.LockPass();
        context.receiver.SetMonitor(nullptr);
    }
    // Closed (or the program quit) in debug mode: a receiver left sending raw
    // frames would silence every other window until it was reset.
    if (debugMode.load() == 1) context.port.WriteString("$0\r\n");
}

// A flag of 0 would hold the window's repaints while the text goes in; this
// display batches by itself, so the flag is not needed. Every pass of the
// receive thread hands over an empty text, which shows nothing.
void CCommandMonitorDoc::AppendText(std::string_view text, int) {
    if (paused.load() == 1 || text.empty()) return;
    std::lock_guard lock(arrivedMutex);
    arrived.emplace_back(text);
    if (deliveryPosted) return;
    deliveryPosted = true;
    QMetaObject::invokeMethod(this, &CCommandMonitorDoc::Deliver, Qt::QueuedConnection);
}

void CCommandMonitorDoc::Deliver() {
    {
        std::lock_guard lock(arrivedMutex);
        deliveryPosted = false;
        if (arrived.empty()) return;
    }
    emit textArrived();
}

std::vector<std::string> CCommandMonitorDoc::TakeArrived() {
    std::lock_guard lock(arrivedMutex);
    std::vector<std::string> taken;
    taken.swap(arrived);
    return taken;
}

void CCommandMonitorDoc::TogglePause() {
    paused.store(1 - paused.load());
}

void CCommandMonitorDoc::ToggleDebugMode() {
    const int on = 1 - debugMode.load();
    {
        // No pass runs across the switch, so nothing received in the old mode
        // is shown in the new one.
        const auto pass = context.receiver.LockPass();
        debugMode.store(on);
        TakeArrived();
    }
    context.port.WriteString(on ? "$11\r\n" : "$0\r\n");
    SetTitle(on ? "DEBUG Monitor Window" : "NMEA Monitor Window");
    emit modeChanged();
}
