#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The command line: --profile FILE, --demo FILE, --port PATH; and for the
// documentation and measurement scripts, --exit-when-shown and
// --screenshot DIR [--screenshot-after SECONDS].
struct AppOptions {
    QString profile; // empty: the user's profile
    QString demo;    // a capture file to play in a loop instead of the port
    QString port;    // overrides the profile's port for this run
    bool exitWhenShown = false;
    QString screenshotDir; // the windows as pictures there, then exit
    int screenshotAfterSeconds = 8;
};

// Parses `arguments` (the program name first). Handles --help and --version
// by printing and returning nothing, as it does for an invalid command line
// after printing the error; `exitCode` says how to exit then.
std::optional<AppOptions> ParseAppOptions(const QStringList& arguments, int& exitCode);
