#include "config/InitStrings.h"

#include "app/StartupSettings.h"
#include "link/ReceiverPort.h"
#include "profile/ProfileStore.h"

#include <algorithm>

namespace {

constexpr std::string_view kCrMarker = "<CR>";
constexpr std::string_view kLfMarker = "<LF>";

} // namespace

InitCommand SplitLineEnd(std::string_view raw) {
    InitCommand command;
    command.lf = raw.ends_with('\n');
    if (command.lf) raw.remove_suffix(1);
    command.cr = raw.ends_with('\r');
    if (command.cr) raw.remove_suffix(1);
    command.text = raw;
    return command;
}

std::string DisplayForm(std::string_view raw) {
    InitCommand command = SplitLineEnd(raw);
    if (command.cr) command.text += kCrMarker;
    if (command.lf) command.text += kLfMarker;
    return std::move(command.text);
}

std::string RawForm(std::string_view display) {
    const bool lf = display.ends_with(kLfMarker);
    if (lf) display.remove_suffix(kLfMarker.size());
    const bool cr = display.ends_with(kCrMarker);
    if (cr) display.remove_suffix(kCrMarker.size());
    std::string raw(display);
    if (cr) raw += '\r';
    if (lf) raw += '\n';
    return raw;
}

std::string InitStringKey(int slot) {
    return "GPSInitString" + std::to_string(slot + 1);
}

bool InitStringList::Add(std::string_view text, bool cr, bool lf) {
    if (count == kInitStringSlots || (text.empty() && !cr && !lf)) return false;
    if (text.find_first_of("\r\n") != std::string_view::npos) return false;
    std::string& slot = rawStrings[static_cast<size_t>(count++)];
    slot = text;
    if (cr) slot += '\r';
    if (lf) slot += '\n';
    return true;
}

bool InitStringList::MoveUp(int index) {
    if (!Valid(index) || index == 0) return false;
    std::swap(rawStrings[static_cast<size_t>(index)], rawStrings[static_cast<size_t>(index - 1)]);
    return true;
}

bool InitStringList::MoveDown(int index) {
    return Valid(index + 1) && MoveUp(index + 1);
}

int InitStringList::Delete(int index) {
    if (!Valid(index)) return -1;
    std::rotate(rawStrings.begin() + index, rawStrings.begin() + index + 1, rawStrings.end());
    rawStrings.back().clear();
    --count;
    return count == 0 ? -1 : std::min(index, count - 1);
}

std::optional<InitCommand> InitStringList::Edit(int index) {
    if (!Valid(index)) return std::nullopt;
    InitCommand command = SplitLineEnd(rawStrings[static_cast<size_t>(index)]);
    Delete(index);
    return command;
}

void InitStringList::Assign(std::span<const std::string> raw) {
    rawStrings = {};
    count = 0;
    for (const std::string& s : raw) {
        if (s.empty()) continue;
        if (count == kInitStringSlots) break;
        rawStrings[static_cast<size_t>(count++)] = s;
    }
}

void InitStringList::LoadFromProfile(const ProfileStore& profile) {
    InitSlots stored;
    for (int i = 0; i < kInitStringSlots; ++i)
        stored[static_cast<size_t>(i)] = profile.GetString(kGpsSection, InitStringKey(i), "");
    Assign(stored);
}

void InitStringList::SaveToProfile(ProfileStore& profile) const {
    for (int i = 0; i < kInitStringSlots; ++i)
        profile.SetString(kGpsSection, InitStringKey(i), rawStrings[static_cast<size_t>(i)]);
}

std::vector<std::string> InitStringList::Displays() const {
    std::vector<std::string> shown;
    for (int i = 0; i < count; ++i)
        shown.push_back(DisplayForm(rawStrings[static_cast<size_t>(i)]));
    return shown;
}

size_t SendInitStrings(CReceiverPort& port, int model, std::span<const std::string> rawStrings,
                       InitProgress* progress) {
    const std::string_view name = ReceiverModelName(model);
    if (name.empty()) return 0;
    const auto pending = std::count_if(rawStrings.begin(), rawStrings.end(),
                                       [](const std::string& s) { return !s.empty(); });
    if (progress) progress->Begin("Initialising " + std::string(name), static_cast<int>(pending));
    size_t sent = 0;
    for (const std::string& s : rawStrings) {
        if (s.empty()) continue;
        sent += port.WriteString(s) ? 1 : 0;
        if (progress) progress->Step();
    }
    return sent;
}
