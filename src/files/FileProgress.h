#pragma once

#include <cstdint>
#include <string_view>

// The main window's status-bar progress indicator as file code sees it: a
// label, a range of steps, one step at a time.
class FileProgress {
public:
    virtual ~FileProgress() = default;
    virtual void Begin(std::string_view label, uint32_t range) = 0;
    virtual void Step() = 0;
    virtual void End() = 0;
};
