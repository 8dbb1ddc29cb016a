#pragma once

#include "config/SettingsQuestions.h"

#include <QObject>

class CMainFrame;
class CReceiverPort;
class QDialog;
class MessageSink;
class ProfileStore;
class ReceiveThread;
class ReceiverState;
struct DecodeSettings;
struct StartupSettings;

// What the settings dialogs change: the profile and the process-wide
// settings, the link, and the state whose replies the GPS dialog shows.
struct SettingsLinks {
    ProfileStore& profile;
    StartupSettings& settings;
    DecodeSettings& decode;
    ReceiverState& state;
    CReceiverPort& port;
    ReceiveThread& receiver;
    MessageSink& messages;
};

// The Settings menu's dialogs and the "Setup GPS" button, on the main window.
class SettingsCommands : public QObject {
    Q_OBJECT

public:
    SettingsCommands(CMainFrame& frame, SettingsLinks links);

    void Communications();
    void GeneralSettings();
    void GpsSettings();
    void NmeaSettings();

    // For the documentation: the Communications dialog as it opens and the
    // GPS Settings dialog after its strings were applied and answered, as
    // "communications.png" and "gps-settings.png" in `dir`. Calls `done`
    // with false when one could not be written.
    void SaveScreenshots(const QString& dir, std::function<void(bool)> done);

    // What the dialogs ask through; tests answer instead of the user. A test
    // that opens a dialog itself sets `opened`, which sees it before exec().
    SettingsQuestions questions;
    std::function<void(QDialog&)> opened;

private:
    int Run(QDialog& dialog);

    CMainFrame& frame;
    SettingsLinks links;
};
