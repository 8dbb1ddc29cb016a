#pragma once

#include "UniqueFd.h"

#include <string>
#include <string_view>

// The receiver's end of a pseudo-terminal; the application opens the other
// end (SlavePath) as if it were the receiver's serial port.
//
// The simulator does not keep the terminal's own end open: that way a client
// may open, close and reopen it at will, and the simulator sees each close as
// a hang-up. While no client has it open, output is thrown away (a receiver
// on an unplugged cable talks to no one), so a new client starts with fresh
// sentences instead of a backlog. Both ends are raw: bytes, CR LF included,
// pass unchanged.
class PtyLink {
public:
    // Throws std::system_error.
    PtyLink();

    const std::string& SlavePath() const { return slavePath; }
    bool ClientPresent() const { return client; }
    // The speed the client set its end to (a terminal's speed is shared by
    // both ends); 0 while there is no client.
    unsigned ClientBaud() const;

    // Waits up to `timeoutMs` for bytes from the client. With no client the
    // terminal reports hang-up at once, so it naps instead of spinning.
    std::string Receive(int timeoutMs);
    // Sends to the client, if any. What the terminal cannot take now is dropped.
    void Send(std::string_view bytes);

    unsigned DroppedWrites() const { return droppedWrites; }

private:
    void ClientGone();

    UniqueFd master;
    std::string slavePath;
    bool client = false;
    unsigned droppedWrites = 0;
};
