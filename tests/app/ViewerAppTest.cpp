#include "QStringPrinter.h"
#include "QtWait.h"
#include "TestDocument.h"
#include "app/CChildFrame.h"
#include "app/CLedIndicator.h"
#include "app/CMainFrame.h"
#include "app/CMainStatusBar.h"
#include "app/CViewerApp.h"
#include "config/CCommsSettingsDlg.h"
#include "config/SettingsCommands.h"
#include "support/Files.h"
#include "support/Pty.h"
#include "support/SRecords.h"
#include "support/SimProcess.h"
#include "upgrade/CFirmwareUpgradeDlg.h"
#include "upgrade/UpgradeCommand.h"
#include "views/monitor/CCommandMonitorView.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QComboBox>
#include <QDateTime>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

class ViewerAppTest : public testing::Test {
protected:
    QString ProfilePath() const { return dir.filePath("profile.ini"); }
    void SetProfile(const QString& key, const QString& value) {
        QSettings ini(ProfilePath(), QSettings::IniFormat);
        ini.setValue(key, value);
    }
    std::unique_ptr<CViewerApp> Start(AppOptions options = {},
                                      std::chrono::milliseconds receiveDelay = 0ms) {
        if (options.profile.isEmpty()) options.profile = ProfilePath();
        auto app = std::make_unique<CViewerApp>(options, CViewerApp::Hooks{&sink, receiveDelay});
        EXPECT_TRUE(app->InitInstance());
        return app;
    }

    QTemporaryDir dir;
    RecordingSink sink;
};

TEST_F(ViewerAppTest, FirstRunTakesTheDefaultsAndWritesPortAndBaud) {
    AppOptions options;
    options.port = dir.filePath("no-such-tty"); // instead of the first serial port
    auto app = Start(options);

    EXPECT_EQ(app->Profile().GetString("Serial Port Commmunications", "Port", ""), "1")
        << "the profile's port, not this run's";
    EXPECT_EQ(app->Profile().GetString("Serial Port Commmunications", "Baud", ""), "19200");
    EXPECT_FALSE(app->Profile().GetString("Application", "WorkingDir", "").empty());
    EXPECT_EQ(std::pair(app->Settings().gpsModel, app->Settings().gpsInitEnable), std::pair(4, 0));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text.substr(0, 29), "Communication Port Not Found!");
    EXPECT_TRUE(app->MainFrame().isVisible());
    EXPECT_EQ(app->State().GetReceivePaused(), 0);
}

TEST_F(ViewerAppTest, AnUnwritableProfileIsReportedAndStartUpGoesOn) {
    QFile blocker(dir.filePath("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    AppOptions options;
    options.profile = dir.filePath("not-a-folder/profile.ini");
    options.port = "99999";
    auto app = Start(options);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].caption, "ERROR");
    EXPECT_NE(sink.messages[0].text.find("not-a-folder/profile.ini"), std::string::npos);
    EXPECT_TRUE(app->MainFrame().isVisible());
}

TEST_F(ViewerAppTest, NetworkPortOpensNoDeviceAndUnknownModelSendsNothing) {
    SetProfile("Serial Port Commmunications/Port", "99999");
    SetProfile("Survey Configuration/TruthLatitude", "51 30 15.5 N");
    SetProfile("Survey Configuration/TruthLongitude", "0 7 30 W");
    SetProfile("Survey Configuration/TruthAltitude", "45");
    SetProfile("Survey Configuration/UseTruth", "1");
    SetProfile("GPS Section/GPSInitEnable", "1");
    SetProfile("GPS Section/GPSModel", "7");
    auto app = Start();
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_FALSE(app->Port().IsOpen());
    EXPECT_EQ(app->State().GetReceivePaused(), 0) << "the pause bracket is closed again";
    EXPECT_TRUE(app->Truth().use) << "the reference position is loaded at start";
    EXPECT_DOUBLE_EQ(app->Truth().longitude, -0.125);
}

TEST_F(ViewerAppTest, DemoCapturePlaysIntoTheStatusBar) {
    AppOptions options;
    options.demo = HV_SOURCE_DIR "/data/demo.nmea";
    auto app = Start(options);
    const CMainStatusBar& status = app->MainFrame().Status();
    EXPECT_TRUE(WaitForUi([&] { return status.TimeText() != "GPS: 00:00:00"; }, 5000ms));
    EXPECT_EQ(status.ReceiveLed().Mode(), LedMode::On);
    EXPECT_TRUE(sink.messages.empty());
}

// The whole road: the simulator on a pseudo-terminal named in the profile,
// the receive thread with its real start delay, the four live windows
// restored from the saved layout, the status bar's timer; then the receiver
// unplugged and plugged in again under the same name.
TEST_F(ViewerAppTest, LiveReceiverReachesEveryWindowAndComesBackWhenPluggedInAgain) {
    const QString link = dir.filePath("receiver");
    const std::vector<std::string> args{"--seed", "7", "--link", link.toStdString()};
    auto sim = std::make_unique<SimProcess>(args);
    ASSERT_FALSE(sim->ReadLine().empty());
    SetProfile("Serial Port Commmunications/Port", link);
    SetProfile("WindowPosition/Main", "44,0,1,-1,-1,-1,-1,0,1100,0,930");
    SetProfile("WindowPosition/NumOfWindows", "4");
    SetProfile("WindowPosition/WINDOW0", "150,44,0,1,-1,-1,-1,-1,0,520,0,170");
    SetProfile("WindowPosition/WINDOW1", "130,44,0,1,-1,-1,-1,-1,0,520,170,500");
    SetProfile("WindowPosition/WINDOW2", "134,44,0,1,-1,-1,-1,-1,520,1080,0,500");
    SetProfile("WindowPosition/WINDOW3", "163,44,0,1,-1,-1,-1,-1,0,1080,500,790");
    auto app = Start({}, ReceiveThread::kStartDelay);
    const CMainStatusBar& status = app->MainFrame().Status();
    WindowManager& windows = app->MainFrame().Windows();
    for (WindowType type : {WindowType::Navigation, WindowType::SignalQuality, WindowType::SkyPlot,
                            WindowType::CommandMonitor})
        ASSERT_NE(windows.FrameOf(type), nullptr) << static_cast<int>(type);

    ASSERT_TRUE(WaitForUi([&] { return status.FixText() == "3D GPS"; }, 5000ms))
        << status.FixText().toStdString();
    ASSERT_TRUE(WaitForUi([&] { return status.TimeText() != "GPS: 00:00:00"; }, 1000ms));
    // The simulator keeps UTC: the pane is within a few seconds of the clock.
    const QTime shown = QTime::fromString(status.TimeText().mid(5), "HH:mm:ss");
    ASSERT_TRUE(shown.isValid()) << status.TimeText().toStdString();
    const int drift = std::abs(shown.secsTo(QDateTime::currentDateTimeUtc().time()));
    EXPECT_LT(std::min(drift, 86400 - drift), 5);
    const auto* monitor = qobject_cast<CCommandMonitorView*>(
        windows.FrameOf(WindowType::CommandMonitor)->FirstView());
    ASSERT_NE(monitor, nullptr);
    EXPECT_TRUE(WaitForUi(
        [&] { return monitor->Text().Text().find("$GPGGA,") != std::string::npos; }, 2000ms));
    EXPECT_TRUE(sink.messages.empty()) << sink.messages.front().text;

    // Unplugged, then back under the same name: one message, and data flows
    // again with no one asking.
    sim.reset();
    ASSERT_TRUE(WaitForUi([&] { return sink.All().size() == 1; }, 5000ms));
    EXPECT_EQ(sink.messages[0].text.rfind("Receiver Disconnected!", 0), 0u);
    sim = std::make_unique<SimProcess>(args);
    ASSERT_FALSE(sim->ReadLine().empty());
    EXPECT_TRUE(WaitForUi([&] { return status.MessageText() == "Receiver reconnected"; }, 5000ms));
    EXPECT_TRUE(WaitForUi([&] { return status.ReceiveLed().Mode() == LedMode::On; }, 3000ms));
    EXPECT_EQ(sink.All().size(), 1u);
}

// Start-up initialisation: the stored strings go out byte for byte, in
// order, a gap in the slots hiding none, while the receive thread is paused;
// it reads again afterwards.
TEST_F(ViewerAppTest, StartUpSendsTheStoredStringsThenReadsAgain) {
    TestPty receiver;
    SetProfile("Serial Port Commmunications/Port", QString::fromStdString(receiver.Path()));
    SetProfile("GPS Section/GPSInitEnable", "1");
    SetProfile("GPS Section/GPSModel", "0");
    SetProfile("GPS Section/GPSInitString1", "$PZEKQ,VERS\r\n");
    SetProfile("GPS Section/GPSInitString3", "$PZEKS,RXID,7,a\r");
    SetProfile("GPS Section/GPSInitString4", "$PZEKQ,PORT");
    auto app = Start();
    EXPECT_EQ(receiver.Receive(2000), "$PZEKQ,VERS\r\n$PZEKS,RXID,7,a\r$PZEKQ,PORT");
    EXPECT_EQ(app->State().GetReceivePaused(), 0);
    receiver.Send("$PZEKR,VERS,HVSIM,1.0.0\r\n");
    std::vector<std::string> replies;
    WaitForUi(
        [&] {
            for (std::string& reply : app->State().TakeReplies())
                replies.push_back(std::move(reply));
            return !replies.empty();
        },
        3000ms);
    EXPECT_EQ(replies, std::vector<std::string>{"$PZEKR,VERS,HVSIM,1.0.0"});
}

// Choosing the simulator's link in the Communications dialog starts data
// flowing within the settling time (and the resets become possible), and a
// new speed reopens the port.
TEST_F(ViewerAppTest, PortChosenInTheDialogWorksAtOnce) {
    SetProfile("Serial Port Commmunications/Port", dir.filePath("nothing-here"));
    auto app = Start();
    sink.messages.clear();
    const QString link = dir.filePath("receiver");
    SimProcess sim({"--seed", "5", "--link", link.toStdString()});
    ASSERT_FALSE(sim.ReadLine().empty());
    SettingsCommands& dialogs = app->SettingsDialogs();
    auto choose = [&](const QString& port, const QString& baud) {
        dialogs.opened = [&, port, baud](QDialog& dialog) {
            QTimer::singleShot(0, &dialog, [&dialog, port, baud] {
                auto& comms = static_cast<CCommsSettingsDlg&>(dialog);
                comms.Ports().setEditText(port);
                comms.Bauds().setCurrentText(baud);
                comms.accept();
            });
        };
        app->MainFrame().Action(Command::Communications)->trigger();
    };
    QAction* hotStart = app->MainFrame().Action(Command::HotStart);
    EXPECT_FALSE(hotStart->isEnabled()) << "no port open: nothing to reset";
    choose(link, "38400");
    EXPECT_EQ(app->Port().DevicePath(), link.toStdString());
    EXPECT_TRUE(WaitForUi([&] { return hotStart->isEnabled(); }, 1000ms));
    EXPECT_TRUE(WaitForUi([&] { return app->State().GetPositionUpdateCount() > 0; }, 3000ms));
    EXPECT_EQ(app->Profile().GetString("Serial Port Commmunications", "Port", ""),
              link.toStdString());
    choose(link, "115200");
    EXPECT_EQ(app->Port().Baud(), 115200u);
    EXPECT_EQ(app->Profile().GetString("Serial Port Commmunications", "Baud", ""), "115200");
    EXPECT_TRUE(sink.messages.empty()) << sink.messages.front().text;
}

// The Firmware Upgrade command: its dialog opens the way only when ticked;
// a file that fails the check is refused with nothing sent; a good one
// upgrades the simulated receiver, and decoding goes on afterwards.
TEST_F(ViewerAppTest, FirmwareUpgradeFromTheWindow) {
    CFirmwareUpgradeDlg dialog([] { return QStringLiteral("/tmp/new.s19"); });
    EXPECT_FALSE(dialog.browse->isEnabled());
    dialog.enable->setChecked(true);
    dialog.browse->click();
    EXPECT_EQ(dialog.FileName(), "/tmp/new.s19");
    EXPECT_FALSE(dialog.caution->isHidden());

    const QString link = dir.filePath("receiver");
    TempFile loaderLog("loader");
    SimProcess sim({"--seed", "6", "--link", link.toStdString(), "--loader-log", loaderLog.path});
    ASSERT_FALSE(sim.ReadLine().empty());
    SetProfile("Serial Port Commmunications/Port", link);
    auto app = Start();
    UpgradeCommand& upgrade = app->Upgrade();
    upgrade.UpdateEnabling();
    EXPECT_TRUE(app->MainFrame().Action(Command::FirmwareUpgrade)->isEnabled());
    TempFile bad("bad-s19", "S0030000FC\r\n"), good("good-s19", FirmwareText(10, "\r\n"));
    EXPECT_EQ(upgrade.Run(bad.path).message, "Incorrect File Format");
    EXPECT_TRUE(ReadFile(loaderLog.path).empty()) << "the receiver heard of a refused file";
    const UpgradeOutcome outcome = upgrade.Run(good.path);
    EXPECT_EQ(outcome.message, "Flash Upgrade Complete") << outcome.detail;
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[1].caption, "UPGRADE");
    const int before = app->State().GetPositionUpdateCount();
    EXPECT_TRUE(WaitForUi([&] { return app->State().GetPositionUpdateCount() > before; }, 4000ms));
}

} // namespace
