#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CReceiverPort;
class ProfileStore;

// The receiver's initialisation strings: up to ten commands, each kept raw
// (text, then an optional carriage return, then an optional line feed) and
// shown in display form (text, then "<CR>" and/or "<LF>").
inline constexpr int kInitStringSlots = 10;
using InitSlots = std::array<std::string, kInitStringSlots>;

// A raw string taken apart: only a line feed at the very end, and a carriage
// return just before it (or at the end), count as its line end.
struct InitCommand {
    std::string text;
    bool cr = false;
    bool lf = false;
};
InitCommand SplitLineEnd(std::string_view raw);

std::string DisplayForm(std::string_view raw);
// Markers count only at the end of the line: "<CR><LF>", "<CR>" or "<LF>".
std::string RawForm(std::string_view display);

// Profile entries "GPSInitString1" ... "GPSInitString10" of "GPS Section".
std::string InitStringKey(int slot);

// The list behind the GPS settings dialog. Entry n is slot n: the rawStrings stay
// contiguous, every change keeps the non-empty ones in front.
class InitStringList {
public:
    // Appends text + CR? + LF?. Refused (false) when the list is full, when
    // the result would be empty (it would leave a gap), or when the text holds
    // a line break of its own (the line end is chosen with `cr` and `lf`).
    bool Add(std::string_view text, bool cr, bool lf);
    // Swap an entry with its neighbour; false when there is none to swap with.
    bool MoveUp(int index);
    bool MoveDown(int index);
    // Removes an entry; returns the index to select next: the same one, the
    // previous one when the last was removed, -1 when the list is empty (or
    // `index` named no entry).
    int Delete(int index);
    // Takes an entry back for editing and removes it as Delete does.
    std::optional<InitCommand> Edit(int index);

    // Replaces the list by these raw strings, empty ones dropped.
    void Assign(std::span<const std::string> raw);
    void LoadFromProfile(const ProfileStore& profile);
    // All ten rawStrings, empty ones as "".
    void SaveToProfile(ProfileStore& profile) const;

    int Count() const { return count; }
    const InitSlots& Slots() const { return rawStrings; }
    const std::string& Raw(int index) const { return rawStrings.at(static_cast<size_t>(index)); }
    std::vector<std::string> Displays() const;

private:
    bool Valid(int index) const { return index >= 0 && index < count; }

    InitSlots rawStrings;
    int count = 0;
};

// What the user watches while the strings go out: the UI shows a progress
// dialog, a tool prints a line.
class InitProgress {
public:
    virtual ~InitProgress() = default;
    virtual void Begin(std::string_view status, int count) = 0;
    virtual void Step() = 0;
};

// Sends every non-empty slot in order, one byte per write, no pause and no
// wait for replies; a gap never hides the commands after it. Models outside
// 0 to 4 send nothing. Returns how many strings went out whole.
size_t SendInitStrings(CReceiverPort& port, int model, std::span<const std::string> rawStrings,
                       InitProgress* progress);
