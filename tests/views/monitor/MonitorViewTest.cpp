#include "MonitorFixture.h"

#include "app/CChildFrame.h"
#include "app/DocumentRegistry.h"
#include "app/ViewPrinting.h"
#include "app/WindowManager.h"
#include "nmea/NmeaChecksum.h"
#include "support/Pty.h"
#include "views/monitor/CommandMonitorTemplate.h"
#include "views/navigation/PdfPages.h"

#include <QKeyEvent>
#include <QMdiArea>
#include <QMenu>
#include <QTemporaryDir>
#include <QThread>

#include <thread>

namespace {

void Press(QWidget& widget, int key, const QString& text,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(&widget, &event);
}

QAction* FindAction(QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions())
        if (action->text() == text) return action;
    return nullptr;
}

class MonitorViewTest : public MonitorTest {
protected:
    void Choose(const QString& item) {
        std::unique_ptr<QMenu> menu(view->NewContextMenu(nullptr));
        QAction* action = FindAction(*menu, item);
        ASSERT_NE(action, nullptr) << item.toStdString();
        action->trigger();
    }
    void OpenPort(const TestPty& pty) {
        ASSERT_TRUE(pty.Ok());
        ASSERT_EQ(port.Open(pty.Path(), 19200), 0);
        receiver.Settings().port = pty.Path();
    }
};

TEST_F(MonitorViewTest, TextFromTheReceiveThreadIsShownOnTheUiThreadInOneBatch) {
    std::vector<bool> onUiThread;
    QObject::connect(document.get(), &CCommandMonitorDoc::textArrived, view.get(), [&] {
        onUiThread.push_back(QThread::currentThread() == QCoreApplication::instance()->thread());
    });
    QString expected;
    for (int i = 0; i < 300; ++i)
        expected += QString("$GPTXT,%1\n").arg(i);
    std::thread receive([this] {
        for (int i = 0; i < 300; ++i)
            document->AppendText("$GPTXT," + std::to_string(i) + "\r\n", 1);
    });
    receive.join();
    EXPECT_TRUE(WaitForUi([&] { return Shown() == expected; })) << Shown().toStdString();
    EXPECT_EQ(onUiThread, std::vector<bool>{true}) << "everything that waited, at once";
}

TEST_F(MonitorViewTest, TextArrivingWhilePausedIsLostForGood) {
    document->AppendText("$A\r\n", 1);
    Choose("&Pause");
    EXPECT_TRUE(document->Paused());
    document->AppendText("$LOST\r\n", 1);
    WaitForUi([] { return false; }, std::chrono::milliseconds(100));
    std::unique_ptr<QMenu> menu(view->NewContextMenu(nullptr));
    EXPECT_TRUE(FindAction(*menu, "&Pause")->isChecked());
    FindAction(*menu, "&Pause")->trigger();
    document->AppendText("$B\r\n", 1);
    EXPECT_TRUE(WaitForUi([&] { return Shown() == "$A\n$B\n"; })) << Shown().toStdString();
}

TEST_F(MonitorViewTest, TypingGoesToTheReceiverAndLeavesTheScreenAlone) {
    TestPty pty;
    OpenPort(pty);
    document->AppendText("$GPGGA\r\n", 1);
    ASSERT_TRUE(WaitForUi([&] { return Shown() == "$GPGGA\n"; }));
    CMonitorEdit& edit = view->Edit();
    Press(edit, Qt::Key_Dollar, "$");
    Press(edit, Qt::Key_P, "P");
    Press(edit, Qt::Key_C, "\x03", Qt::ControlModifier); // copy, not a character
    Press(edit, Qt::Key_Backspace, "\b");
    Press(edit, Qt::Key_Tab, "\t");
    Press(edit, Qt::Key_unknown, "\u20AC"); // no 8-bit form: not sent
    Press(edit, Qt::Key_Return, "\r");
    Press(edit, Qt::Key_Shift, "");
    EXPECT_EQ(pty.Receive(1000), "$P\b\t\r\n");
    EXPECT_EQ(Shown(), "$GPGGA\n");
}

TEST_F(MonitorViewTest, MenuItemsInOrderWithTheLogFileState) {
    document->AppendText("$GPGGA\r\n", 1);
    ASSERT_TRUE(WaitForUi([&] { return !Shown().isEmpty(); }));
    Choose("&Erase Screen");
    EXPECT_EQ(Shown(), "");

    std::unique_ptr<QMenu> menu(view->NewContextMenu(nullptr));
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(texts, QStringList({"&Start Log File", "&Close Log File", "-", "&Pause",
                                  "&Erase Screen", "&Debug Monitor"}));
    EXPECT_TRUE(FindAction(*menu, "&Start Log File")->isEnabled());
    EXPECT_FALSE(FindAction(*menu, "&Close Log File")->isEnabled());
    EXPECT_FALSE(FindAction(*menu, "&Pause")->isChecked());
    EXPECT_FALSE(FindAction(*menu, "&Debug Monitor")->isChecked());
    FindAction(*menu, "&Start Log File")->trigger();
    EXPECT_EQ(log.starts, 1);

    log.logging = true;
    menu.reset(view->NewContextMenu(nullptr));
    EXPECT_FALSE(FindAction(*menu, "&Start Log File")->isEnabled());
    EXPECT_TRUE(FindAction(*menu, "&Close Log File")->isEnabled());
    FindAction(*menu, "&Close Log File")->trigger();
    EXPECT_EQ(log.closes, 1);

    context.logCommands = nullptr; // no owner: nothing to offer
    menu.reset(view->NewContextMenu(nullptr));
    EXPECT_FALSE(FindAction(*menu, "&Start Log File")->isEnabled());
    EXPECT_FALSE(FindAction(*menu, "&Close Log File")->isEnabled());
}

TEST_F(MonitorViewTest, DebugModeTellsTheReceiverAndShowsFrames) {
    TestPty pty;
    OpenPort(pty);
    document->AppendText("$GPGGA\r\n", 1);
    ASSERT_TRUE(WaitForUi([&] { return !Shown().isEmpty(); }));

    Choose("&Debug Monitor");
    EXPECT_EQ(pty.Receive(1000), "$11\r\n");
    EXPECT_EQ(document->Title(), "DEBUG Monitor Window");
    EXPECT_TRUE(document->DebugMode());
    EXPECT_EQ(Shown(), "");
    document->AppendText("T01\r\n", 1);
    document->AppendText("T02", 1);
    WaitForUi([] { return false; }, std::chrono::milliseconds(100));
    EXPECT_EQ(Shown(), "") << "nothing before the frame ends";
    document->AppendText("03\x1EP04", 1);
    EXPECT_TRUE(WaitForUi([&] { return Shown() == "T01\nT0203"; })) << Shown().toStdString();

    Choose("&Debug Monitor");
    EXPECT_EQ(pty.Receive(1000), "$0\r\n");
    EXPECT_EQ(document->Title(), "NMEA Monitor Window");
    EXPECT_FALSE(document->DebugMode());
    EXPECT_EQ(Shown(), "");
    document->AppendText("$GPRMC\r\n", 1);
    EXPECT_TRUE(WaitForUi([&] { return Shown() == "$GPRMC\n"; }))
        << "the unfinished frame went with debug mode: " << Shown().toStdString();
}

TEST_F(MonitorViewTest, DisplayKeepsTheNewestTextAcrossManyBatches) {
    auto line = [](int i) { return "$GPTXT," + std::to_string(10000 + i) + std::string(50, 'x'); };
    for (int i = 0; i < 600; ++i) {
        document->AppendText(line(i) + "\r\n", 1);
        if (i % 37 == 0) QCoreApplication::processEvents(); // a batch, then the next
    }
    const QString last = QString::fromStdString(line(599)) + "\n";
    ASSERT_TRUE(WaitForUi([&] { return Shown().endsWith(last); }));
    const std::string& text = view->Text().Text();
    EXPECT_EQ(Shown(), QString::fromLatin1(MonitorText::Display(text)));
    EXPECT_LT(text.size(), MonitorText::kTrimAt + 100);
    EXPECT_FALSE(Shown().contains(QString::fromStdString(line(0))));
}

TEST_F(MonitorViewTest, PrintsOnePage) {
    for (int i = 0; i < 200; ++i)
        document->AppendText("$GPTXT," + std::to_string(i) + "\r\n", 1);
    ASSERT_TRUE(WaitForUi([&] { return Shown().endsWith("$GPTXT,199\n"); }));
    QTemporaryDir dir;
    const QString path = dir.filePath("monitor.pdf");
    ASSERT_TRUE(PrintViewToPdf(*view, path));
    EXPECT_EQ(PdfPageCount(path), 1);
}

TEST_F(MonitorViewTest, TemplateOpensTheMonitorInCourier) {
    document.reset();
    view.reset();
    QMdiArea area;
    DocumentRegistry registry;
    WindowManager manager(area, registry, context.services);
    manager.AddTemplate(MakeCommandMonitorTemplate(context));
    area.show();
    CChildFrame* frame = manager.Open(WindowType::CommandMonitor);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->windowTitle(), "NMEA Monitor Window");
    auto* monitor = qobject_cast<CCommandMonitorView*>(frame->widget());
    ASSERT_NE(monitor, nullptr);
    EXPECT_EQ(monitor->Edit().font().family(), "Courier");
    EXPECT_EQ(monitor->Edit().font().pointSize(), 10);
    EXPECT_FALSE(monitor->TimerRunning()) << "told of text, never polling";
    EXPECT_TRUE(frame->Document().FileOpen()) << "taken, and nothing opened";

    TestPty pty;
    OpenPort(pty);
    pty.Send(NmeaSentence("GPRMC,1"));
    receiver.ProcessReceivedData();
    EXPECT_TRUE(WaitForUi([&] { return monitor->Edit().toPlainText().startsWith("$GPRMC,1*"); }));

    // Closing the window takes the document off the receive thread.
    ASSERT_TRUE(frame->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(registry.Find(WindowType::CommandMonitor), nullptr);
    pty.Send(NmeaSentence("GPRMC,2"));
    receiver.ProcessReceivedData();
    EXPECT_TRUE(sink.messages.empty());
}

} // namespace
