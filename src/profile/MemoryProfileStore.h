#pragma once

#include "profile/ProfileStore.h"

#include <map>
#include <mutex>
#include <utility>

// Settings held in memory; ints are kept as text, as an INI file would.
class MemoryProfileStore : public ProfileStore {
public:
    int GetInt(std::string_view section, std::string_view key, int fallback) const override;
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view fallback) const override;
    void SetInt(std::string_view section, std::string_view key, int value) override;
    void SetString(std::string_view section, std::string_view key, std::string_view value) override;

protected:
    using Key = std::pair<std::string, std::string>;
    std::map<Key, std::string> values;
    mutable std::mutex mutex;
};
