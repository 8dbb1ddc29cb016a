#pragma once

#include "profile/MemoryProfileStore.h"

#include <string>

// Reads the application's INI profile without Qt, for the command
// line tools. Section and key names may be percent-escaped ("GPS%20Section"),
// as Qt writes them.
class IniProfileStore : public MemoryProfileStore {
public:
    // Returns false, with a reason, when the file cannot be read.
    bool Load(const std::string& path);
    const std::string& ErrorString() const { return error; }

private:
    std::string error;
};
