#pragma once

#include "SimConfig.h"

#include <span>
#include <string>
#include <string_view>

struct CliOptions {
    SimConfig sim;
    std::string link;
    std::string loaderLog; // where the loader writes what it took
    double speed = 1;
    bool verbose = false;
    bool help = false;
    bool seedGiven = false;
};

// Arguments without the program name; "--name value" and "--name=value" both
// work. False with a message in `error` for anything wrong.
bool ParseCommandLine(std::span<const std::string_view> args, CliOptions& options,
                      std::string& error);

std::string_view HelpText();
