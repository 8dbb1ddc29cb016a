#pragma once

// A command monitor window on its own, with the application's pieces it
// talks to: the receive thread (not started unless a test starts it), the
// port, and a log-file owner that counts what the menu asks of it.
#include "app/LogFileCommands.h"
#include "app/QStringPrinter.h"
#include "app/QtWait.h"
#include "app/TestAppContext.h"
#include "views/monitor/CCommandMonitorDoc.h"
#include "views/monitor/CCommandMonitorView.h"
#include "views/monitor/CMonitorEdit.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>

#include <gtest/gtest.h>

#include <memory>

struct RecordingLog : LogFileCommands {
    bool Logging() const override { return logging; }
    void StartLogFile() override { ++starts; }
    void CloseLogFile() override { ++closes; }
    bool logging = false;
    int starts = 0, closes = 0;
};

class MonitorTest : public testing::Test, protected TestAppContext {
protected:
    MonitorTest() {
        view->resize(600, 300);
        view->show();
    }
    ~MonitorTest() override {
        document.reset(); // as a frame goes: its document first, then the view
        view.reset();
        receiver.Stop();
    }

    QString Shown() const { return view->Edit().toPlainText(); }
    void Press(const QString& text, int key = 0, Qt::KeyboardModifiers modifiers = {}) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QCoreApplication::sendEvent(&view->Edit(), &event);
    }
    void Type(const QString& text) {
        for (QChar c : text)
            Press(c);
    }
    // The context menu as the user sees it: "-" a separator, "!" before a
    // disabled item, "*" after a checked one.
    QStringList Menu() const {
        std::unique_ptr<QMenu> menu(view->NewContextMenu(nullptr));
        QStringList items;
        for (QAction* a : menu->actions())
            items << (a->isSeparator()
                          ? "-"
                          : (a->isEnabled() ? "" : "!") + a->text() + (a->isChecked() ? "*" : ""));
        return items;
    }
    void Choose(const QString& item) {
        std::unique_ptr<QMenu> menu(view->NewContextMenu(nullptr));
        for (QAction* action : menu->actions())
            if (action->text() == item) action->trigger();
    }
    void OpenPort(const std::string& path) {
        ASSERT_EQ(port.Open(path, 19200), 0);
        receiver.Settings().port = path;
    }

    RecordingLog log;
    bool logSet = (context.logCommands = &log, true); // before the document is made
    std::unique_ptr<CCommandMonitorDoc> document =
        std::make_unique<CCommandMonitorDoc>(context, context.services);
    std::unique_ptr<CCommandMonitorView> view = std::make_unique<CCommandMonitorView>(*document);
};
