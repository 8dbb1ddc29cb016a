#pragma once

#include "link/SentenceTap.h"
#include "ttff/TtffController.h"

#include <memory>

class CReceiverPort;
class ReceiveThread;

// The TTFF controller's link to a receiver on the serial port: the command
// goes out with the receive thread paused, and the restart notice is taken
// from the framed sentences, so the notice burst still reaches the decoders,
// the log and the monitor. The application and harrowctl both use it.
class ReceiverTtffLink final : public TtffLink {
public:
    ReceiverTtffLink(CReceiverPort& port, ReceiveThread& receiver)
        : port(port), receiver(receiver) {}

    bool SendReset(std::string_view command) override;
    bool TakeRestartNotice() override;

private:
    CReceiverPort& port;
    ReceiveThread& receiver;
    std::unique_ptr<SentenceTap::Watch> watch;
};
