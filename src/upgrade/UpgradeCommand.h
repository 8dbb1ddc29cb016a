#pragma once

#include "upgrade/FirmwareUpgrader.h"

#include <QObject>
#include <QTimer>

#include <functional>

class CMainFrame;
class CReceiverPort;
class MessageSink;
class ReceiveThread;

// Settings > Firmware Upgrade: enabled while a serial port is open; asks
// for the file, then runs the upgrade on its own thread with a progress
// window and Cancel, and tells the outcome.
class UpgradeCommand : public QObject {
    Q_OBJECT

public:
    UpgradeCommand(CMainFrame& frame, CReceiverPort& port, ReceiveThread& receiver,
                   MessageSink& messages);

    // The upgrade of `path` (no dialog), to its end; the outcome was shown.
    UpgradeOutcome Run(const std::string& path);
    void UpdateEnabling();

    // The file dialog's and the upgrade's waits; tests replace them.
    std::function<QString()> askPath;
    UpgradeTiming timing;

private:
    CMainFrame& frame;
    CReceiverPort& port;
    ReceiveThread& receiver;
    MessageSink& messages;
    QTimer poll;
};
