#include "app/StatusBarModel.h"

#include "nmea/ReceiverState.h"

#include <cstdio>

namespace {

template <typename... Args>
std::string Printf(const char* format, Args... args) {
    const int size = std::snprintf(nullptr, 0, format, args...);
    if (size <= 0) return {};
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, args...);
    text.pop_back();
    return text;
}

// Reports `mode` only when it differs from what is shown.
std::optional<LedMode> Show(std::optional<LedMode>& shown, LedMode mode) {
    if (shown == mode) return std::nullopt;
    shown = mode;
    return mode;
}

std::string GpsFixText(int mode) {
    switch (mode) {
    case 2:
        return "2D GPS";
    case 3:
        return "3D GPS";
    default:
        return "GPS Fix Available";
    }
}

} // namespace

std::string FixText(int quality, int mode, int station, double age) {
    switch (quality) {
    case 0:
        return "Fix Invalid";
    case 1:
        return GpsFixText(mode);
    case 2:
        return Printf("Diff ID:%04d Age:%.1f", station, age);
    case 3:
        return Printf("Enhanced Diff: Age:%.1f", age);
    case 4:
        return Printf("RTK Float: Age:%.1f", age);
    case 5:
        return Printf("RTK Fixed: Age:%.1f", age);
    case 6:
        return "Dead Reckoning";
    case 8:
        return "Simulation";
    default:
        return {};
    }
}

StatusUpdate StatusBarModel::Tick(const ReceiverState& state, bool logFileOpen) {
    StatusUpdate update;
    update.receiveLed = ReceiveLedFor(state.GetSentenceCount());
    update.logLed = Show(shownLogLed, logFileOpen ? LedMode::On : LedMode::Disabled);
    update.timeText = TimeTextFor(state);
    update.fixText = FixTextFor(state);
    return update;
}

std::optional<LedMode> StatusBarModel::ReceiveLedFor(unsigned sentenceCount) {
    if (sentenceCount != lastSentenceCount) {
        lastSentenceCount = sentenceCount;
        idleTicks = 0;
        return Show(shownReceiveLed, LedMode::On);
    }
    std::optional<LedMode> change;
    if (idleTicks == 0) change = Show(shownReceiveLed, LedMode::Off);
    // Stops counting once grey, so the counter cannot wrap round to "Off".
    if (idleTicks < kIdleTicksUntilDisabled && ++idleTicks == kIdleTicksUntilDisabled)
        change = Show(shownReceiveLed, LedMode::Disabled);
    return change;
}

std::optional<std::string> StatusBarModel::TimeTextFor(const ReceiverState& state) {
    // Start from what is shown: an accessor that misses its lock leaves these.
    int hour = shownSecondsOfDay / 3600;
    int minute = shownSecondsOfDay / 60 % 60;
    int second = shownSecondsOfDay % 60;
    state.GetFixTime(hour, minute, second);
    const int secondsOfDay = hour * 3600 + minute * 60 + second;
    if (secondsOfDay == shownSecondsOfDay) return std::nullopt;
    shownSecondsOfDay = secondsOfDay;
    return Printf("GPS: %02d:%02d:%02d", hour, minute, second);
}

std::optional<std::string> StatusBarModel::FixTextFor(const ReceiverState& state) {
    const FixInputs now{state.GetFixQuality(), state.GetFixMode(), state.GetDifferentialStation(),
                        state.GetDifferentialAge()};
    if (now == shownFix) return std::nullopt;
    shownFix = now;
    std::string text = FixText(now.quality, now.mode, now.station, now.age);
    // Also covers a NaN age, which never compares equal to the one shown.
    if (text == shownFixText) return std::nullopt;
    shownFixText = text;
    return text;
}
