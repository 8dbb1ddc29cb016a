#pragma once

#include <string>

class ProfileStore;
class ReceiverState;

// The navigation panel's text, read fresh from the state and the profile
// ("Settings"/"Units", "Settings"/"PositionFormat") at every call. Lines end
// in '\n' and columns are set by tabs, for a tab stop every 5 characters.
// A receiver that reports a clock drift gets time and drift lines; one that
// reports none gets speed and heading instead.
std::string NavigationText(const ReceiverState& state, const ProfileStore& profile);
