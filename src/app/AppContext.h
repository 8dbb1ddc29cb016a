#pragma once

#include "app/CDocument.h"

class CReceiverPort;
class LogFileCommands;
class ProfileStore;
class ReceiveThread;
class ReceiverState;
struct TruthPosition;
struct TtffSettings;

// What the windows get from the application: the receiver's state, the
// profile, the user-facing services, and the link for the windows that talk
// to the receiver. The application owns all of it and outlives every window.
struct AppContext {
    ReceiverState& state;
    ProfileStore& profile;
    DocumentServices services;
    CReceiverPort& port;
    ReceiveThread& receiver;
    // Process-wide: the TTFF test's type and count, the reference position.
    TtffSettings& ttff;
    TruthPosition& truth;
    // The main window's Start/Close Log File; null where there is none (tests).
    LogFileCommands* logCommands = nullptr;
};
