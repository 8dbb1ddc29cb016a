#pragma once

#include <chrono>
#include <functional>
#include <string>

class CReceiverPort;
class ProfileStore;
class ReceiveThread;

// What the Communications dialog shows when it opens and hands back on OK.
struct CommsChoice {
    std::string port; // device path, or "99999" for the network link
    int baud = 19200; // 0: keep the current speed
    bool logging = false;
    std::string logFile = "Untitled.txt";
    bool demo = false;
    std::string captureFile = "nmea.txt";
    bool loop = false;
    int waitMs = 100; // 0 to 1000
    int count = 10;   // 1 to 100
};

// The choice as things stand: port and speed from the profile, the rest from
// the receive thread's settings, the port and the log.
CommsChoice CurrentComms(const ProfileStore& profile, ReceiveThread& receiver,
                         const CReceiverPort& port);

enum class CommsOutcome {
    Applied,
    Declined,      // the user kept the running log: nothing was changed
    NetworkChosen, // stored; the caller connects the network link
};

struct CommsApplyHooks {
    // "You currently are logging to a file. Do you want to restart logging?"
    std::function<bool()> restartLog;
    // Before and after a serial port is opened, for the line to settle.
    std::chrono::milliseconds settle{500};
};

// Applies a choice made in the Communications dialog: the demo pacing, the
// log, then either demo playback or the serial port (stored in the profile
// and opened at once).
CommsOutcome ApplyComms(const CommsChoice& choice, ReceiveThread& receiver, CReceiverPort& port,
                        ProfileStore& profile, const CommsApplyHooks& hooks);
