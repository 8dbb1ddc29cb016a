#include "ttff/ReceiverTtffLink.h"

#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"

#include <string>

bool ReceiverTtffLink::SendReset(std::string_view command) {
    // Watching before the command goes out: the notice cannot slip by.
    watch.reset();
    watch = std::make_unique<SentenceTap::Watch>(receiver.Tap(), "$POLYN,RSET");
    receiver.Pause();
    const bool written = port.WriteString(std::string(command).append("\r\n"));
    receiver.Resume();
    return written;
}

bool ReceiverTtffLink::TakeRestartNotice() {
    return watch && watch->Take().has_value();
}
