#include "upgrade/UpgradeCommand.h"

#include "app/CMainFrame.h"
#include "config/CProgressDlg.h"
#include "link/MessageSink.h"
#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"
#include "upgrade/CFirmwareUpgradeDlg.h"

#include <QAction>
#include <QEventLoop>
#include <QFileDialog>

namespace {

constexpr int kPollMs = 250;
constexpr int kProgressMs = 100;

} // namespace

UpgradeCommand::UpgradeCommand(CMainFrame& frame, CReceiverPort& port, ReceiveThread& receiver,
                               MessageSink& messages)
    : QObject(&frame), frame(frame), port(port), receiver(receiver), messages(messages) {
    askPath = [&frame] {
        QFileDialog dialog(&frame);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilter(
            QStringLiteral("Upgrade Files (*.s19);;Binary Files (*.bin);;All files (*)"));
        dialog.setDefaultSuffix(QStringLiteral("s19"));
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    connect(frame.Action(Command::FirmwareUpgrade), &QAction::triggered, this, [this] {
        CFirmwareUpgradeDlg dialog([this] { return askPath(); }, &this->frame);
        if (dialog.exec() != QDialog::Accepted || dialog.FileName().isEmpty()) return;
        Run(dialog.FileName().toStdString());
    });
    poll.setInterval(kPollMs);
    connect(&poll, &QTimer::timeout, this, &UpgradeCommand::UpdateEnabling);
    poll.start();
    UpdateEnabling();
}

void UpgradeCommand::UpdateEnabling() {
    frame.Action(Command::FirmwareUpgrade)
        ->setEnabled(FirmwareUpgrader::Possible(port) && receiver.Settings().demoMode == 0);
}

UpgradeOutcome UpgradeCommand::Run(const std::string& path) {
    FirmwareUpgrader upgrade(port, receiver, timing);
    UpgradeOutcome outcome;
    if (!upgrade.Start(path)) {
        outcome = upgrade.Snapshot().outcome;
    } else {
        // The upgrade runs on its own thread; this one keeps the window live
        // and shows where it is.
        CProgressDlg progress(&frame, QStringLiteral("Firmware Upgrade"));
        progress.EnableCancel();
        progress.SetStep(1);
        progress.SetRange(0, 100);
        QEventLoop loop;
        QTimer tick;
        connect(&tick, &QTimer::timeout, &loop, [&] {
            const UpgradeProgress now = upgrade.Snapshot();
            progress.SetStatus(QString::fromStdString(now.status));
            progress.SetPosition(now.percent);
            if (progress.CheckCancel()) upgrade.Cancel();
            if (now.finished) loop.quit();
        });
        tick.start(kProgressMs);
        loop.exec();
        outcome = upgrade.Wait();
    }
    const MessageIcon icon = outcome.Ok() ? MessageIcon::None : MessageIcon::Stop;
    std::string text = outcome.message;
    if (!outcome.detail.empty()) text.append("\n\n").append(outcome.detail);
    messages.ShowMessage(text, outcome.caption, icon);
    return outcome;
}
