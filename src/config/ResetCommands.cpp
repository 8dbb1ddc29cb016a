#include "config/ResetCommands.h"

#include "app/CMainFrame.h"
#include "config/CProgressDlg.h"
#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"

#include <QAction>

#include <memory>

namespace {

constexpr int kPollMs = 250;

class DialogResetProgress : public ResetProgress {
public:
    explicit DialogResetProgress(QWidget* owner) : owner(owner) {}
    void Begin() override {
        dialog = std::make_unique<CProgressDlg>(owner);
        dialog->EnableCancel();
        dialog->SetRange(0, 100);
        dialog->SetStep(1);
        dialog->SetStatus(QStringLiteral("Waiting for Data"));
    }
    void Step() override { dialog->Step(); }
    bool Cancelled() override { return dialog && dialog->CheckCancel(); }

private:
    QWidget* owner;
    std::unique_ptr<CProgressDlg> dialog;
};

constexpr std::pair<Command, ResetKind> kResets[] = {
    {Command::HotStart, ResetKind::Hot},
    {Command::WarmStart, ResetKind::Warm},
    {Command::ColdStart, ResetKind::Cold},
};

} // namespace

ResetCommands::ResetCommands(CMainFrame& frame, CReceiverPort& port, ReceiveThread& receiver,
                             ReceiverState& state)
    : QObject(&frame), frame(frame), port(port), receiver(receiver), state(state) {
    for (const auto& [command, kind] : kResets)
        connect(frame.Action(command), &QAction::triggered, this, [this, kind] { Reset(kind); });
    // The port opens and closes from several places (dialogs, a receiver
    // unplugged and back): the commands follow it.
    poll.setInterval(kPollMs);
    connect(&poll, &QTimer::timeout, this, &ResetCommands::UpdateEnabling);
    poll.start();
    UpdateEnabling();
}

void ResetCommands::UpdateEnabling() {
    const bool serial = port.IsOpen() && !port.IsDemoFile() && receiver.Settings().demoMode == 0;
    for (const auto& [command, kind] : kResets)
        frame.Action(command)->setEnabled(serial);
}

ResetOutcome ResetCommands::Reset(ResetKind kind) {
    DialogResetProgress progress(&frame);
    return ResetReceiver(kind, port, receiver, state, progress, timing);
}
