#pragma once

#include "PtyLink.h"
#include "SimReceiver.h"

#include <csignal>

struct RunSettings {
    double speed = 1; // simulated seconds per real second
    bool verbose = false;
};

// Pumps the receiver against the terminal in real time until `stop` is set
// (by a signal handler).
void RunSimulator(SimReceiver& sim, PtyLink& link, const RunSettings& settings,
                  const volatile std::sig_atomic_t& stop);
