#pragma once

// A command monitor window on its own, with the application's pieces it
// talks to: the receive thread (not started unless a test starts it), the
// port, and a log-file owner that records what the menu asks of it.
#include "app/AppContext.h"
#include "app/LogFileCommands.h"
#include "app/QStringPrinter.h"
#include "app/TestDocument.h"
#include "config/MemoryProfileStore.h"
#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"
#include "nmea/DecodeSettings.h"
#include "nmea/ReceiverState.h"
#include "views/monitor/CCommandMonitorDoc.h"
#include "views/monitor/CCommandMonitorView.h"
#include "views/monitor/CMonitorEdit.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>

struct RecordingLog : LogFileCommands {
    bool Logging() const override { return logging; }
    void StartLogFile() override { ++starts; }
    void CloseLogFile() override { ++closes; }
    bool logging = false;
    int starts = 0;
    int closes = 0;
};

// Runs the UI thread's events until `done` or the time is up.
inline bool WaitForUi(const std::function<bool()>& done,
                      std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    QDeadlineTimer deadline(limit);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

class MonitorTest : public testing::Test {
protected:
    MonitorTest() : port(sink), receiver(state, port, decode, sink) {
        view->resize(600, 300);
        view->show();
    }
    ~MonitorTest() override {
        // As a frame goes: its document first, then the view.
        document.reset();
        view.reset();
        receiver.Stop();
    }

    QString Shown() const { return view->Edit().toPlainText(); }

    ReceiverState state;
    MemoryProfileStore profile;
    RecordingSink sink;
    ScriptedPrompts prompts;
    DecodeSettings decode;
    CReceiverPort port;
    ReceiveThread receiver;
    RecordingLog log;
    AppContext context{state, profile, {sink, prompts}, port, receiver, &log};
    std::unique_ptr<CCommandMonitorDoc> document =
        std::make_unique<CCommandMonitorDoc>(context, context.services);
    std::unique_ptr<CCommandMonitorView> view = std::make_unique<CCommandMonitorView>(*document);
};
