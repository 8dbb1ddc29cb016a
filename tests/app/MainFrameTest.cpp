#include "MainFrameFixture.h"
#include "QStringPrinter.h"
#include "app/CLedIndicator.h"
#include "app/CMainStatusBar.h"
#include "app/CNewWindowDialog.h"
#include "app/ToolbarIcons.h"
#include "support/Feed.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>

namespace {

// The LED as drawn: its centre pixel.
QColor LedCentre(const CLedIndicator& led) {
    const QImage image = const_cast<CLedIndicator&>(led).grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

// The status bar through the real window: panes filled from the state, the
// LED drawn bright, dark and grey from its strip. The model's own test walks
// the timing and every fix text.
TEST_F(MainFrameTest, StatusBarShowsTheReceiverAndDrawsItsLeds) {
    frame->show();
    CMainStatusBar& status = frame->Status();
    const CLedIndicator& led = status.ReceiveLed();
    Feed(state, {"GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1",
                 "GPGGA,123456.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"});
    frame->Tick();
    EXPECT_EQ(status.FixText(), "3D GPS");
    EXPECT_EQ(status.TimeText(), "GPS: 12:34:56");
    const QColor on = LedCentre(led);
    EXPECT_GT(on.green(), 180);
    EXPECT_LT(on.red(), 120);
    frame->Tick();
    const QColor off = LedCentre(led);
    EXPECT_LT(off.green(), 100);
    EXPECT_GT(off.green(), off.red());
    // Grey: the log LED without a log file (the receive LED's idle timing is the model's).
    EXPECT_EQ(status.LogLed().Mode(), LedMode::Disabled);
    const QColor grey = LedCentre(status.LogLed());
    EXPECT_TRUE(grey.red() == grey.green() && grey.green() == grey.blue())
        << grey.name().toStdString();
    // Nothing of the strip's magenta background shows.
    const QImage image = const_cast<CLedIndicator&>(led).grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_NE(image.pixelColor(x, y), QColor(255, 0, 255)) << x << "," << y;
}

TEST_F(MainFrameTest, LogFileStartsRestartsOnlyWhenAskedAndCloses) {
    QTemporaryDir dir;
    QString nextPath = dir.filePath("first.txt");
    int pathsAsked = 0;
    QStringList questions;
    bool restart = false;
    frame->askLogPath = [&] { return ++pathsAsked, nextPath; };
    frame->askYesNo = [&](const QString& text) { return questions << text, restart; };
    const auto logging = [&](bool on) {
        frame->Tick();
        EXPECT_EQ(frame->Logging(), on);
        EXPECT_EQ(frame->Action(Command::StartLogFile)->isEnabled(), !on);
        EXPECT_EQ(frame->Action(Command::CloseLogFile)->isEnabled(), on);
        EXPECT_EQ(frame->Status().LogLed().Mode(), on ? LedMode::On : LedMode::Disabled);
    };

    frame->StartLogFile();
    logging(true);
    EXPECT_TRUE(QFile::exists(nextPath));
    frame->StartLogFile(); // declining the restart keeps the log as it is
    EXPECT_EQ(questions,
              QStringList{"You currently are logging to a file. Do you want to restart logging?"});
    EXPECT_EQ(pathsAsked, 1);
    logging(true);
    restart = true;
    nextPath = dir.filePath("second.log");
    frame->StartLogFile();
    EXPECT_EQ(pathsAsked, 2);
    EXPECT_EQ(receiver.Log().FileName(), nextPath.toStdString());
    logging(true);

    frame->CloseLogFile();
    logging(false);
    EXPECT_EQ(receiver.Log().FileName(), nextPath.toStdString()) << "the name stays";
    nextPath.clear(); // a cancelled file dialog starts nothing
    frame->StartLogFile();
    logging(false);
}

TEST_F(MainFrameTest, ToolbarHasTheFifteenButtonsAndLaterCommandsAreGreyed) {
    const QToolBar* bar = frame->findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    const QList<QAction*> buttons = bar->actions();
    ASSERT_EQ(buttons.size(), kToolbarButtonCount);
    for (int i = 0; i < kToolbarButtonCount; ++i) {
        EXPECT_EQ(buttons[i], frame->Action(ToolbarCommands()[static_cast<size_t>(i)]));
        EXPECT_FALSE(buttons[i]->icon().pixmap(32, 32).isNull());
    }
    EXPECT_EQ(frame->Action(Command::HotStart)->toolTip(), "Hot Start - reset receiver");
    EXPECT_EQ(frame->Action(Command::HotStart)->statusTip(), "Hot Start");
    EXPECT_EQ(frame->Action(Command::SetupGps)->toolTip(), "Configure GPS Receiver");

    for (Command later : {Command::GpsSettings, Command::Communications, Command::ColdStart,
                          Command::FirmwareUpgrade})
        EXPECT_FALSE(frame->Action(later)->isEnabled());
    // View commands follow the templates this build has.
    EXPECT_TRUE(frame->Action(Command::SkyPlot)->isEnabled());
    EXPECT_FALSE(frame->Action(Command::Survey)->isEnabled());
    EXPECT_FALSE(frame->Action(Command::TtffTest)->isEnabled());
}

TEST_F(MainFrameTest, NewDialogListsClosedTypesSortedFirstSelected) {
    CNewWindowDialog dialog({"Survey Window", "Navigation Window", "Azimuth & Elevation Window"});
    ASSERT_EQ(dialog.List().count(), 3);
    EXPECT_EQ(dialog.List().item(0)->text(), "Azimuth & Elevation Window");
    EXPECT_EQ(dialog.List().item(2)->text(), "Survey Window");
    EXPECT_EQ(dialog.Selected(), "Azimuth & Elevation Window");
}

TEST_F(MainFrameTest, OpenPutsAFileInTheWindowOfItsTypeAndSaveFollowsTheActiveWindow) {
    QTemporaryDir dir;
    const QString mask = dir.filePath("roof.msk");
    std::ofstream(mask.toStdString()) << "learned horizon";
    frame->show();
    frame->OpenFile(mask);
    CChildFrame* sky = frame->Windows().FrameOf(WindowType::SkyPlot);
    ASSERT_NE(sky, nullptr);
    EXPECT_EQ(static_cast<TextDocument&>(sky->Document()).text, "learned horizon");
    EXPECT_EQ(sky->Document().PathName(), mask.toStdString());
    EXPECT_TRUE(frame->Action(Command::Save)->isEnabled());
    sky->Document().SetTitle("Azimuth & Elevation Window - roof.msk");
    EXPECT_EQ(frame->windowTitle(), "Harrowview - Azimuth & Elevation Window - roof.msk");

    frame->Action(Command::Navigation)->trigger(); // no file behind it
    EXPECT_EQ(frame->windowTitle(), "Harrowview - Navigation Window");
    EXPECT_FALSE(frame->Action(Command::Save)->isEnabled());
    EXPECT_FALSE(frame->Action(Command::Open)->isEnabled());
    frame->Action(Command::SignalQuality)->trigger(); // no file, yet a mask may be opened
    EXPECT_TRUE(frame->Action(Command::Open)->isEnabled());

    frame->OpenFile(dir.filePath("notes.txt"));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].caption, "ERROR");
    EXPECT_EQ(frame->MdiArea().subWindowList().size(), 3);

    // The file is listed in the File menu, and in the profile for the next start.
    EXPECT_EQ(frame->Recent().Entries(), std::vector<std::string>{mask.toStdString()});
    EXPECT_EQ(profile.GetString("Recent File List", "File1", ""), mask.toStdString());
    QMenu* file = frame->menuBar()->findChild<QMenu*>();
    ASSERT_NE(file, nullptr);
    emit file->aboutToShow();
    emit file->aboutToShow(); // shown twice, listed once
    QAction* entry = nullptr;
    for (QAction* action : file->actions())
        if (action->text() == "&1 " + mask) entry = entry ? nullptr : action;
    ASSERT_NE(entry, nullptr);
    // A file gone since leaves the list when chosen.
    sky->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QFile::remove(mask);
    entry->trigger();
    EXPECT_EQ(sink.messages.size(), 2u);
    EXPECT_TRUE(frame->Recent().Entries().empty());
}

TEST_F(MainFrameTest, ProgressShowsABarThenDone) {
    const CMainStatusBar& status = frame->Status();
    frame->BeginProgress("Reading survey.pth");
    EXPECT_EQ(std::tuple(status.ProgressShown(), status.Progress(), status.MessageText()),
              std::tuple(true, 0, QString("Reading survey.pth")));
    frame->SetProgress(40);
    EXPECT_EQ(status.Progress(), 40);
    frame->EndProgress();
    EXPECT_EQ(std::pair(status.ProgressShown(), status.MessageText()),
              std::pair(false, QString("Done.")));
}

} // namespace
