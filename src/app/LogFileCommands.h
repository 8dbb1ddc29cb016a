#pragma once

// The NMEA log file is the main window's; other windows (the command
// monitor's menu) offer the same two commands through this interface.
class LogFileCommands {
public:
    virtual ~LogFileCommands() = default;
    virtual bool Logging() const = 0;
    // Asks for a file (and whether to restart a running log) and starts.
    virtual void StartLogFile() = 0;
    virtual void CloseLogFile() = 0;
};
