#pragma once

#include "app/AppContext.h"
#include "app/AppOptions.h"
#include "app/DocumentRegistry.h"
#include "app/QSettingsProfileStore.h"
#include "app/QtDocumentPrompts.h"
#include "app/QtMessageSink.h"
#include "app/StartupSettings.h"
#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"
#include "nmea/DecodeSettings.h"
#include "nmea/ReceiverState.h"
#include "survey/TruthPosition.h"
#include "ttff/TtffMilestones.h"

#include <chrono>
#include <memory>
#include <optional>

class CMainFrame;
class ResetCommands;
class SettingsCommands;
class UpgradeCommand;

// The application: owns the receiver's state, the link, the profile and the
// main window, and starts them in order.
class CViewerApp {
public:
    // What tests replace: where messages go (message boxes when null) and the
    // receive thread's start delay, which is the receiver's settling time.
    struct Hooks {
        MessageSink* messages = nullptr;
        std::chrono::milliseconds receiveStartDelay = ReceiveThread::kStartDelay;
    };

    explicit CViewerApp(AppOptions options, Hooks hooks);
    explicit CViewerApp(AppOptions options) : CViewerApp(std::move(options), Hooks{}) {}
    // Stops the receive thread, then closes the windows and the log.
    ~CViewerApp();
    CViewerApp(const CViewerApp&) = delete;
    CViewerApp& operator=(const CViewerApp&) = delete;

    // Start-up, in order: profile, templates, main window, settings, port,
    // receive thread, layout, initialisation strings. False when the main
    // window could not be made.
    bool InitInstance();

    CMainFrame& MainFrame() const { return *frame; }
    ReceiverState& State() { return state; }
    QSettingsProfileStore& Profile() { return *profile; }
    CReceiverPort& Port() { return port; }
    ReceiveThread& Receiver() { return receiver; }
    const StartupSettings& Settings() const { return settings; }
    TtffSettings& Ttff() { return ttff; }
    const TruthPosition& Truth() const { return truth; }
    SettingsCommands& SettingsDialogs() const { return *settingsCommands; }
    ResetCommands& Resets() const { return *resetCommands; }
    UpgradeCommand& Upgrade() const { return *upgradeCommand; }

private:
    void OpenReceiver();
    void SendInitialisationStrings();

    AppOptions options;
    std::chrono::milliseconds receiveStartDelay;
    std::unique_ptr<QSettingsProfileStore> profile;
    QtMessageSink messageBoxes;
    MessageSink& messages;
    QtDocumentPrompts prompts;
    ReceiverState state;
    DecodeSettings decode;
    CReceiverPort port;
    ReceiveThread receiver;
    DocumentRegistry registry;
    StartupSettings settings;
    TtffSettings ttff;
    TruthPosition truth;
    std::unique_ptr<CMainFrame> frame;
    std::optional<AppContext> context;
    SettingsCommands* settingsCommands = nullptr; // owned by the main window
    ResetCommands* resetCommands = nullptr;       // likewise
    UpgradeCommand* upgradeCommand = nullptr;     // likewise
};
