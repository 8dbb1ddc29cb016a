#pragma once

#include "config/ReceiverReset.h"

#include <QObject>
#include <QTimer>

class CMainFrame;
class CReceiverPort;
class ReceiveThread;
class ReceiverState;

// Hot, Warm and Cold Start: enabled while a serial port is open (a capture
// file or the network link cannot be reset); each resets the receiver and
// waits for its restart with a progress window.
class ResetCommands : public QObject {
    Q_OBJECT

public:
    ResetCommands(CMainFrame& frame, CReceiverPort& port, ReceiveThread& receiver,
                  ReceiverState& state);

    ResetOutcome Reset(ResetKind kind);
    void UpdateEnabling();

    ResetTiming timing; // tests shorten the waits

private:
    CMainFrame& frame;
    CReceiverPort& port;
    ReceiveThread& receiver;
    ReceiverState& state;
    QTimer poll;
};
