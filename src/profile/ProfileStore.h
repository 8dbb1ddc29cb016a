#pragma once

#include <string>
#include <string_view>

// The per-user settings, by section and key. The application keeps them in an
// INI file through Qt; tools and tests use the in-memory or plain INI stores.
class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    virtual int GetInt(std::string_view section, std::string_view key, int fallback) const = 0;
    virtual std::string GetString(std::string_view section, std::string_view key,
                                  std::string_view fallback) const = 0;
    virtual void SetInt(std::string_view section, std::string_view key, int value) = 0;
    virtual void SetString(std::string_view section, std::string_view key,
                           std::string_view value) = 0;
};
