#pragma once

#include "FixModel.h"
#include "LineAssembler.h"
#include "Rng.h"
#include "SettingsTable.h"
#include "SimConfig.h"
#include "Sky.h"
#include "SrecLoader.h"

#include <cstdint>
#include <string>
#include <string_view>

// The simulated receiver without any I/O: time goes forward only through
// Tick, commands come in only through OnInput, and both return the bytes the
// receiver sends. Output happens once per whole simulated second.
class SimReceiver {
public:
    explicit SimReceiver(const SimConfig& config);

    // Advances simulated time by `seconds`; returns everything sent meanwhile.
    std::string Tick(double seconds);
    // Bytes from the application; returns the receiver's immediate answers.
    std::string OnInput(std::string_view bytes);

    // The client's line speed (0 while no client has the line open): the
    // loader speaks only at its own.
    void SetLineBaud(unsigned baud) { lineBaud = baud; }
    // What --loader-log records: loader commands and the records taken.
    std::string TakeLoaderLog() { return loader.TakeLog(); }

    double Now() const { return now; }
    double SecondsToNextOutput() const { return static_cast<double>(nextEpoch) - now; }

private:
    enum class Output { Nmea, Debug };

    std::string RunEpoch();
    void HandleLine(std::string_view line, std::string& out);
    void Restart(ResetKind kind, std::string& out);
    std::string Sentence(std::string_view body);

    SimConfig config;
    Rng skyRng;
    Rng faultRng;
    Sky sky;
    FixModel fix;
    SettingsTable settings;
    SrecLoader loader;
    LineAssembler lines;

    Output output = Output::Nmea;
    double now = 0;
    int64_t nextEpoch = 1;
    unsigned lineBaud = 0;
    std::string pending; // sent with the first Tick: the burst of a start-up reset
};
