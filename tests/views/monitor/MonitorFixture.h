#pragma once

// A command monitor window on its own, with the application's pieces it
// talks to: the receive thread (not started unless a test starts it), the
// port, and a log-file owner that records what the menu asks of it.
#include "app/LogFileCommands.h"
#include "app/QStringPrinter.h"
#include "app/QtWait.h"
#include "app/TestAppContext.h"
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

class MonitorTest : public testing::Test, protected TestAppContext {
protected:
    MonitorTest() {
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

    RecordingLog log;
    // The log owner is set before the document is made from the context.
    bool logSet = (context.logCommands = &log, true);
    std::unique_ptr<CCommandMonitorDoc> document =
        std::make_unique<CCommandMonitorDoc>(context, context.services);
    std::unique_ptr<CCommandMonitorView> view = std::make_unique<CCommandMonitorView>(*document);
};
