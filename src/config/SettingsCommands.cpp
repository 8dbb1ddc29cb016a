#include "config/SettingsCommands.h"

#include "app/CMainFrame.h"
#include "config/CCommsSettingsDlg.h"
#include "config/CGeneralSettingsSheet.h"
#include "config/CGpsSettingsDlg.h"
#include "config/CNmeaSettingsDlg.h"
#include "config/CommsSettings.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QTimer>

SettingsCommands::SettingsCommands(CMainFrame& frame, SettingsLinks links)
    : QObject(&frame), questions(SettingsQuestions::Dialogs(&frame)), frame(frame), links(links) {
    const std::pair<Command, void (SettingsCommands::*)()> commands[] = {
        {Command::Communications, &SettingsCommands::Communications},
        {Command::GeneralSettings, &SettingsCommands::GeneralSettings},
        {Command::GpsSettings, &SettingsCommands::GpsSettings},
        {Command::SetupGps, &SettingsCommands::GpsSettings},
        {Command::NmeaSettings, &SettingsCommands::NmeaSettings},
    };
    for (const auto& [command, run] : commands) {
        QAction* action = frame.Action(command);
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, run);
    }
}

int SettingsCommands::Run(QDialog& dialog) {
    if (opened) opened(dialog);
    return dialog.exec();
}

void SettingsCommands::Communications() {
    CCommsSettingsDlg dialog(CurrentComms(links.profile, links.receiver, links.port),
                             links.messages, questions, &frame);
    if (Run(dialog) != QDialog::Accepted) return;
    CommsApplyHooks hooks;
    hooks.restartLog = [this] {
        return questions.yesNo(
            QStringLiteral("You currently are logging to a file. Do you want to restart logging?"),
            QStringLiteral("Harrowview"));
    };
    ApplyComms(dialog.Choice(), links.receiver, links.port, links.profile, hooks);
    frame.UpdateCommands();
}

void SettingsCommands::GeneralSettings() {
    CGeneralSettingsSheet sheet(links.profile, &frame);
    // Every window shows positions and heights in these settings: all redraw.
    connect(&sheet.Page(), &CNavigationSetupPage::applied, this, [this] {
        for (QWidget* widget : frame.findChildren<QWidget*>())
            widget->update();
        frame.update();
    });
    Run(sheet);
}

void SettingsCommands::GpsSettings() {
    CGpsSettingsDlg dialog(GpsSettingsLinks{links.profile, links.settings, links.state, links.port,
                                            links.messages, &frame},
                           questions, &frame);
    Run(dialog);
}

void SettingsCommands::NmeaSettings() {
    CNmeaSettingsDlg dialog(links.decode, links.profile, &frame);
    Run(dialog);
}

void SettingsCommands::SaveScreenshots(const QString& dir, std::function<void(bool)> done) {
    const QDir folder(dir);
    CCommsSettingsDlg comms(CurrentComms(links.profile, links.receiver, links.port), links.messages,
                            questions, &frame);
    comms.show();
    const bool ok = comms.grab().save(folder.filePath(QStringLiteral("communications.png")));
    auto* gps = new CGpsSettingsDlg(GpsSettingsLinks{links.profile, links.settings, links.state,
                                                     links.port, links.messages, &frame},
                                    questions, &frame);
    gps->show();
    gps->SelectDescription(10);
    gps->Add();
    gps->Apply();
    // Replies come in through the dialog's one-second timer.
    QTimer::singleShot(2500, gps, [gps, ok, folder, done = std::move(done)] {
        const bool saved = gps->grab().save(folder.filePath(QStringLiteral("gps-settings.png")));
        gps->deleteLater();
        done(ok && saved);
    });
}
