#pragma once

#include <string>
#include <string_view>
#include <vector>

class ProfileStore;

// The File menu's recently used files, newest first, kept in the profile as
// "Recent File List"/"File1" .. "File4".
class RecentFiles {
public:
    static constexpr size_t kCapacity = 4;

    explicit RecentFiles(ProfileStore& profile);

    const std::vector<std::string>& Entries() const { return entries; }
    // To the front (once), the oldest dropping off; written at once.
    void Add(const std::string& path);
    // A file that could not be opened leaves the list.
    void Remove(const std::string& path);

private:
    void Store();

    ProfileStore& profile;
    std::vector<std::string> entries;
};
