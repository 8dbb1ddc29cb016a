#include "MonitorFixture.h"

#include "app/ViewPrinting.h"
#include "nmea/NmeaChecksum.h"
#include "support/Pty.h"
#include "views/navigation/PdfPages.h"

#include <QTemporaryDir>
#include <QThread>

#include <thread>

namespace {

using MonitorViewTest = MonitorTest;

TEST_F(MonitorViewTest, TextFromTheReceiveThreadIsShownOnTheUiThreadInOneBatch) {
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
}

TEST_F(MonitorViewTest, TextArrivingWhilePausedIsLostForGood) {
    document->AppendText("$A\r\n", 1);
    Choose("&Pause");
    EXPECT_TRUE(Menu().contains("&Pause*"));
    document->AppendText("$LOST\r\n", 1);
    WaitForUi([] { return false; }, std::chrono::milliseconds(100));
    Choose("&Pause");
    document->AppendText("$B\r\n", 1);
    EXPECT_TRUE(WaitForUi([&] { return Shown() == "$A\n$B\n"; })) << Shown().toStdString();
}

TEST_F(MonitorViewTest, ShowsThePortAndTypingGoesToItUntilTheWindowCloses) {
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

    document.reset(); // as the window closes: off the receive thread
    view.reset();
    pty.Send(NmeaSentence("GPRMC,2"));
    receiver.ProcessReceivedData();
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(MonitorViewTest, MenuItemsInOrderWithTheLogFileState) {
    EXPECT_EQ(Menu(), QStringList({"&Start Log File", "!&Close Log File", "-", "&Pause",
                                   "&Erase Screen", "&Debug Monitor"}));
    Choose("&Start Log File");
    log.logging = true;
    EXPECT_EQ(Menu().mid(0, 2), QStringList({"!&Start Log File", "&Close Log File"}));
    Choose("&Close Log File");
    EXPECT_EQ(log.starts, 1);
    EXPECT_EQ(log.closes, 1);
    context.logCommands = nullptr; // no owner: nothing to offer
    EXPECT_EQ(Menu().mid(0, 2), QStringList({"!&Start Log File", "!&Close Log File"}));

    document->AppendText("$GPGGA\r\n", 1);
    ASSERT_TRUE(WaitForUi([&] { return !Shown().isEmpty(); }));
    Choose("&Erase Screen");
    EXPECT_EQ(Shown(), "");
}

TEST_F(MonitorViewTest, DebugModeTellsTheReceiverAndShowsFrames) {
    TestPty pty;
    OpenPort(pty.Path());
    Choose("&Debug Monitor");
    EXPECT_EQ(pty.Receive(1000), "$11\r\n");
    EXPECT_EQ(document->Title(), "DEBUG Monitor Window");
    document->AppendText("T01\r\nT02", 1);
    document->AppendText("03\x1EP04", 1);
    EXPECT_TRUE(WaitForUi([&] { return Shown() == "T01\nT0203"; })) << Shown().toStdString();

    Choose("&Debug Monitor");
    EXPECT_EQ(pty.Receive(1000), "$0\r\n");
    EXPECT_EQ(document->Title(), "NMEA Monitor Window");
    document->AppendText("$GPRMC\r\n", 1);
    EXPECT_TRUE(WaitForUi([&] { return Shown() == "$GPRMC\n"; }))
        << "the unfinished frame went with debug mode: " << Shown().toStdString();
}

TEST_F(MonitorViewTest, KeepsTheNewestTextAcrossBatchesAndPrintsOnePage) {
    auto line = [](int i) { return QString("$GPTXT,%1").arg(10000 + i) + QString(50, 'x'); };
    for (int i = 0; i < 600; ++i) {
        document->AppendText((line(i) + "\r\n").toStdString(), 1);
        if (i % 37 == 0) QCoreApplication::processEvents(); // a batch, then the next
    }
    ASSERT_TRUE(WaitForUi([&] { return Shown().endsWith(line(599) + "\n"); }));
    // Trimmed on the way (the core decides how much): still the text as held.
    EXPECT_EQ(Shown(), QString::fromLatin1(MonitorText::Display(view->Text().Text())));

    QTemporaryDir dir;
    ASSERT_TRUE(PrintViewToPdf(*view, dir.filePath("monitor.pdf")));
    EXPECT_EQ(PdfPageCount(dir.filePath("monitor.pdf")), 1);
}

} // namespace
