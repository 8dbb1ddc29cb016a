#include "app/CViewerApp.h"

#include "app/CMainFrame.h"
#include "app/WindowLayout.h"
#include "app/WindowTemplates.h"
#include "config/InitSending.h"
#include "config/InitStrings.h"
#include "config/ResetCommands.h"
#include "config/SettingsCommands.h"
#include "survey/SurveySettings.h"
#include "upgrade/UpgradeCommand.h"

#include <QDir>

#include <thread>

CViewerApp::CViewerApp(AppOptions options, Hooks hooks)
    : options(std::move(options)), receiveStartDelay(hooks.receiveStartDelay),
      profile(this->options.profile.isEmpty()
                  ? std::make_unique<QSettingsProfileStore>()
                  : std::make_unique<QSettingsProfileStore>(this->options.profile)),
      messages(hooks.messages ? *hooks.messages : messageBoxes), port(messages),
      receiver(state, port, decode, messages) {}

CViewerApp::~CViewerApp() {
    receiver.Stop();
    frame.reset();
    receiver.Log().Close();
    profile->Sync();
}

bool CViewerApp::InitInstance() {
    const QString workingDir = QDir::currentPath();
    if (!workingDir.isEmpty())
        profile->SetString("Application", "WorkingDir", workingDir.toStdString());

    frame = std::make_unique<CMainFrame>(state, *profile, receiver, registry,
                                         DocumentServices{messages, prompts});
    context.emplace(AppContext{state, *profile, DocumentServices{messages, prompts}, port, receiver,
                               ttff, truth, frame.get()});
    if (options.ttffMode > 0) {
        RegisterWindowTemplates(
            frame->Windows(), *context,
            [mode = options.ttffMode, count = options.ttffTestCount](TtffSettings& chosen) {
                chosen = {mode, count};
                return true;
            });
    } else {
        RegisterWindowTemplates(frame->Windows(), *context);
    }
    frame->UpdateCommands();

    settings = ReadStartupSettings(*profile, decode);
    // The reference position is shared by the survey and the TTFF test.
    LoadTruthPosition(LoadSurveySettings(*profile), truth);
    settingsCommands = new SettingsCommands(
        *frame, SettingsLinks{*profile, settings, decode, state, port, receiver, messages});
    resetCommands = new ResetCommands(*frame, port, receiver, state);
    upgradeCommand = new UpgradeCommand(*frame, port, receiver, messages);
    if (!profile->Sync())
        messages.ShowMessage("Harrowview cannot write its settings file " +
                                 profile->FileName().toStdString() +
                                 ". Settings changed in this session will not be kept.",
                             "ERROR", MessageIcon::Stop);
    OpenReceiver();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    receiver.Start(receiveStartDelay);

    RestoreWindowPlacements(*frame, frame->Windows(), *profile, std::nullopt);
    SendInitialisationStrings();
    if (options.ttffMode > 0) frame->OpenWindowType(WindowType::Ttff);
    return true;
}

void CViewerApp::OpenReceiver() {
    ReceiveSettings& link = receiver.Settings();
    if (!options.demo.isEmpty()) {
        link.demoMode = 1;
        link.continuousLoop = 1;
        port.OpenDemoFile(options.demo.toStdString());
        return;
    }
    const std::string path = options.port.isEmpty() ? settings.port : options.port.toStdString();
    link.port = path;
    if (options.port.isEmpty() && settings.NetworkLink()) return;
    port.Open(path, static_cast<unsigned>(settings.baud));
}

void CViewerApp::SendInitialisationStrings() {
    if (settings.gpsInitEnable != 1) return;
    InitStringList list;
    list.LoadFromProfile(*profile);
    // The receive thread stays off the port while the strings go out, so the
    // replies are read, decoded and queued only after the last one.
    receiver.Pause();
    SendInitStringsShowingProgress(frame.get(), port, list.Slots(), settings.gpsModel);
    receiver.Resume();
}
