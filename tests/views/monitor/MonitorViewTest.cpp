// A command monitor window on its own, with the application's pieces it
// talks to: the receive thread (not started unless a test starts it), the
// port, and a log-file owner that counts what the menu asks of it.
#include "app/LogFileCommands.h"
#include "app/QStringPrinter.h"
#include "app/QtWait.h"
#include "app/TestAppContext.h"
#include "nmea/NmeaChecksum.h"
#include "support/Pty.h"
#include "views/PrintedPages.h"
#include "views/monitor/CCommandMonitorDoc.h"
#include "views/monitor/CCommandMonitorView.h"
#include "views/monitor/CMonitorEdit.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace {

using namespace std::chrono_literals;

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
        Close();
        receiver.Stop();
    }
    void Close() { // as a frame goes: its document first, then the view
        document.reset();
        view.reset();
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
    // The item's state as the user sees it: "!" before a disabled item, "*"
    // after a checked one; triggered when asked.
    QString Item(const QString& item, bool trigger = false) {
        std::unique_ptr<QMenu> menu(view->NewContextMenu(nullptr));
        for (QAction* a : menu->actions())
            if (a->text() == item) {
                if (trigger) a->trigger();
                return (a->isEnabled() ? "" : "!") + item + (a->isChecked() ? "*" : "");
            }
        return "missing " + item;
    }
    void Choose(const QString& item) { Item(item, true); }
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

using MonitorViewTest = MonitorTest;

// Then, batch after batch, it keeps the newest text (the core decides how
// much) and prints it on one page.
TEST_F(MonitorViewTest, TextFromTheReceiveThreadIsShownOnTheUiThreadInOneBatchThenTrimmed) {
    std::vector<bool> onUiThread;
    QObject::connect(document.get(), &CCommandMonitorDoc::textArrived, view.get(), [&] {
        onUiThread.push_back(QThread::currentThread() == QCoreApplication::instance()->thread());
    });
    QString expected;
    std::thread([&] {
        for (int i = 0; i < 300; ++i) {
            document->AppendText("$GPTXT," + std::to_string(i) + "\r\n", 1);
            expected += QString("$GPTXT,%1\n").arg(i);
        }
    }).join();
    EXPECT_TRUE(WaitForUi([&] { return Shown() == expected; })) << Shown().toStdString();
    EXPECT_EQ(onUiThread, std::vector<bool>{true}) << "everything that waited, at once";

    auto line = [](int i) { return QString("$GPTXT,%1").arg(10000 + i) + QString(50, 'x'); };
    for (int i = 0; i < 600; ++i) {
        document->AppendText((line(i) + "\r\n").toStdString(), 1);
        if (i % 37 == 0) QCoreApplication::processEvents(); // a batch, then the next
    }
    ASSERT_TRUE(WaitForUi([&] { return Shown().endsWith(line(599) + "\n"); }));
    EXPECT_EQ(Shown(), QString::fromLatin1(MonitorText::Display(view->Text().Text())));
    EXPECT_EQ(PrintedPages(*view), 1);
}

// Typing goes to the port; debug mode tells the receiver and shows whole
// frames; nothing is read for a closed window. (The receiver's own frames are
// the simulator's test; that they are not decoded, the receive thread's.)
TEST_F(MonitorViewTest, ShowsThePortTypingAndDebugModeGoToItUntilTheWindowCloses) {
    TestPty pty;
    OpenPort(pty.Path());
    pty.Send(NmeaSentence("GPRMC,1"));
    receiver.ProcessReceivedData();
    ASSERT_TRUE(WaitForUi([&] { return Shown() == "$GPRMC,1*56\n"; })) << Shown().toStdString();
    Type("$P\b\t");
    Press("\x03", Qt::Key_C, Qt::ControlModifier); // copy, not a character
    Press("\u20AC");                               // no 8-bit form: not sent
    Press("", Qt::Key_Shift);
    Type("\r");
    EXPECT_EQ(pty.Receive(1000), "$P\b\t\r\n");
    EXPECT_EQ(Shown(), "$GPRMC,1*56\n") << "typing leaves the screen alone";

    Choose("&Debug Monitor");
    EXPECT_EQ(pty.Receive(1000), "$11\r\n");
    EXPECT_EQ(document->Title(), "DEBUG Monitor Window");
    // A frame begun, not ended (whole frames are the core's and the simulator test's).
    document->AppendText("T01\r\nT02", 1);
    QCoreApplication::processEvents();
    Choose("&Debug Monitor");
    EXPECT_EQ(pty.Receive(1000), "$0\r\n");
    EXPECT_EQ(document->Title(), "NMEA Monitor Window");
    document->AppendText("$GPRMC\r\n", 1);
    EXPECT_TRUE(WaitForUi([&] { return Shown() == "$GPRMC\n"; })) << Shown().toStdString();
    Choose("&Debug Monitor"); // the unfinished frame went with the last session
    document->AppendText("T03\x1E", 1);
    EXPECT_TRUE(WaitForUi([&] { return Shown() == "T03"; })) << Shown().toStdString();

    // Closed in debug mode, it puts the receiver back on NMEA and leaves the
    // receive thread decoding again.
    Close();
    EXPECT_EQ(pty.Receive(1000), "$11\r\n$0\r\n");
    pty.Send(NmeaSentence("GPRMC,2"));
    receiver.ProcessReceivedData();
    EXPECT_EQ(state.GetSentenceCount(), 2u);
    EXPECT_TRUE(sink.messages.empty());
}

// Text arriving while paused is lost for good; Erase empties the screen.
TEST_F(MonitorViewTest, LogFileItemsFollowTheLogFilePauseLosesTextEraseEmptiesTheScreen) {
    const auto items = [&] { return Item("&Start Log File") + " " + Item("&Close Log File"); };
    EXPECT_EQ(items(), "&Start Log File !&Close Log File");
    Choose("&Start Log File");
    log.logging = true;
    EXPECT_EQ(items(), "!&Start Log File &Close Log File");
    Choose("&Close Log File");
    EXPECT_EQ(std::pair(log.starts, log.closes), std::pair(1, 1));
    context.logCommands = nullptr; // no owner: nothing to offer
    EXPECT_EQ(items(), "!&Start Log File !&Close Log File");

    document->AppendText("$A\r\n", 1);
    Choose("&Pause");
    EXPECT_EQ(Item("&Pause"), "&Pause*");
    document->AppendText("$LOST\r\n", 1);
    WaitForUi([] { return false; }, 100ms);
    Choose("&Pause");
    document->AppendText("$B\r\n", 1);
    EXPECT_TRUE(WaitForUi([&] { return Shown() == "$A\n$B\n"; })) << Shown().toStdString();
    Choose("&Erase Screen");
    EXPECT_EQ(Shown(), "");
}

} // namespace
