#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The command line: --profile FILE, --demo FILE, --port PATH, --ttff TEST;
// and for the
// documentation and measurement scripts, --exit-when-shown and
// --screenshot DIR [--screenshot-after SECONDS].
struct AppOptions {
    QString profile; // empty: the user's profile
    QString demo;    // a capture file to play in a loop instead of the port
    QString port;    // overrides the profile's port for this run
    // --ttff: the TTFF window opens at start running these tests, and is
    // not asked for its mode this run. 0 when not given.
    int ttffMode = 0;      // 1 hot, 2 warm, 3 cold
    int ttffTestCount = 0; // 0 single, 1 continuous, 2 one hundred, 3 two hundred
    bool exitWhenShown = false;
    QString screenshotDir; // the windows as pictures there, then exit
    int screenshotAfterSeconds = 8;
};

// Parses `arguments` (the program name first). Handles --help and --version
// by printing and returning nothing, as it does for an invalid command line
// after printing the error; `exitCode` says how to exit then.
std::optional<AppOptions> ParseAppOptions(const QStringList& arguments, int& exitCode);
