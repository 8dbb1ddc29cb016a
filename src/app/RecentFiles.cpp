#include "app/RecentFiles.h"

#include "profile/ProfileStore.h"

#include <algorithm>

namespace {

constexpr std::string_view kSection = "Recent File List";

std::string Key(size_t index) {
    return "File" + std::to_string(index + 1);
}

} // namespace

RecentFiles::RecentFiles(ProfileStore& profile) : profile(profile) {
    for (size_t i = 0; i < kCapacity; ++i) {
        std::string path = profile.GetString(kSection, Key(i), "");
        if (!path.empty() && std::find(entries.begin(), entries.end(), path) == entries.end())
            entries.push_back(std::move(path));
    }
}

void RecentFiles::Add(const std::string& path) {
    std::erase(entries, path);
    entries.insert(entries.begin(), path);
    if (entries.size() > kCapacity) entries.resize(kCapacity);
    Store();
}

void RecentFiles::Remove(const std::string& path) {
    std::erase(entries, path);
    Store();
}

void RecentFiles::Store() {
    for (size_t i = 0; i < kCapacity; ++i)
        profile.SetString(kSection, Key(i), i < entries.size() ? entries[i] : "");
}
