#pragma once

#include "app/CDocument.h"
#include "nmea/EchoSinks.h"

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

struct AppContext;

// The command monitor's document: its two modes and the entry point for the
// text the receive thread echoes. While it exists the receive thread hands
// it every sentence; the text crosses to the UI thread through a buffer.
class CCommandMonitorDoc : public CDocument, public MonitorSink {
    Q_OBJECT

public:
    CCommandMonitorDoc(AppContext& context, DocumentServices services);
    ~CCommandMonitorDoc() override;

    // Receive thread: keeps the text (unless paused) and asks the UI thread
    // to show it. Never waits for the UI.
    void AppendText(std::string_view text, int flag) override;
    bool DebugMode() const override { return debugMode.load() == 1; }

    bool Paused() const { return paused.load() == 1; }
    void TogglePause();
    // Switches the receiver and this window between NMEA and raw frames.
    void ToggleDebugMode();

    // UI thread: what arrived since the last call, chunk by chunk.
    std::vector<std::string> TakeArrived();

    AppContext& Context() const { return context; }

    // Nothing to open: File Open is taken and does nothing.
    bool FileOpen() override { return true; }

signals:
    // UI thread: there is text to take.
    void textArrived();
    // UI thread: the mode changed; the display starts empty.
    void modeChanged();

private:
    void Deliver();

    AppContext& context;
    std::atomic<int> paused{0};
    std::atomic<int> debugMode{0};

    std::mutex arrivedMutex;
    std::vector<std::string> arrived;
    bool deliveryPosted = false; // one queued call carries any number of chunks
};
