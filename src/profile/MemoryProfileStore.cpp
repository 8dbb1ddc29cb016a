#include "profile/MemoryProfileStore.h"

#include <charconv>

int MemoryProfileStore::GetInt(std::string_view section, std::string_view key, int fallback) const {
    const std::string text = GetString(section, key, {});
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    while (first != last && *first == ' ')
        ++first;
    if (first != last && *first == '+') ++first;
    auto [end, ec] = std::from_chars(first, last, value);
    return (ec == std::errc() && end != first) ? value : fallback;
}

std::string MemoryProfileStore::GetString(std::string_view section, std::string_view key,
                                          std::string_view fallback) const {
    std::lock_guard lock(mutex);
    auto it = values.find(Key(section, key));
    return it == values.end() ? std::string(fallback) : it->second;
}

void MemoryProfileStore::SetInt(std::string_view section, std::string_view key, int value) {
    SetString(section, key, std::to_string(value));
}

void MemoryProfileStore::SetString(std::string_view section, std::string_view key,
                                   std::string_view value) {
    std::lock_guard lock(mutex);
    values[Key(section, key)] = std::string(value);
}
