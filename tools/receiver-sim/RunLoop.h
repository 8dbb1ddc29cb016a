#pragma once

#include "PtyLink.h"
#include "SimReceiver.h"

#include <csignal>
#include <cstdio>

struct RunSettings {
    double speed = 1; // simulated seconds per real second
    bool verbose = false;
    std::FILE* loaderLog = nullptr; // what the loader took, as it takes it
};

// Pumps the receiver against the terminal in real time until `stop` is set
// (by a signal handler).
void RunSimulator(SimReceiver& sim, PtyLink& link, const RunSettings& settings,
                  const volatile std::sig_atomic_t& stop);
