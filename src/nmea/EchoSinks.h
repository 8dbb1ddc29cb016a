#pragma once

#include <string_view>

// Where the framer echoes what it received. Both are called on the receive
// thread and must not block on the user interface.
class MonitorSink {
public:
    virtual ~MonitorSink() = default;
    // `flag` is 1 for text from the receive thread.
    virtual void AppendText(std::string_view text, int flag) = 0;
    // In debug mode the receive thread shows raw text and decodes nothing.
    virtual bool DebugMode() const { return false; }
};

class LogSink {
public:
    virtual ~LogSink() = default;
    virtual void Write(std::string_view text) = 0;
};
