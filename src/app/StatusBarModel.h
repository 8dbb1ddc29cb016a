#pragma once

#include <optional>
#include <string>
#include <string_view>

class ReceiverState;

// The LED modes are the columns of the LED image strip.
enum class LedMode : int { On = 0, Off = 1, Disabled = 2 };
enum class LedColour : int { Red = 0, Green = 16, Yellow = 32, Blue = 48 };
enum class LedShape : int { Round = 0, Square = 64 };

struct LedStyle {
    LedColour colour;
    LedShape shape;
};

inline constexpr int kLedCellSize = 16;
inline constexpr int kLedStripColumns = 3;
inline constexpr int kLedStripRows = 8;

inline constexpr LedStyle kReceiveLedStyle{LedColour::Green, LedShape::Round};
inline constexpr LedStyle kLogLedStyle{LedColour::Red, LedShape::Round};

// Top-left corner of one 16x16 cell in the LED image strip.
struct LedCell {
    int x = 0;
    int y = 0;

    bool operator==(const LedCell&) const = default;
};

constexpr LedCell LedImageCell(LedStyle style, LedMode mode) {
    return {kLedCellSize * static_cast<int>(mode),
            static_cast<int>(style.colour) + static_cast<int>(style.shape)};
}

// Pane texts the window starts with, before the first tick.
inline constexpr std::string_view kInitialFixText = "Diff ID:0000 AGE:00000000.0";
inline constexpr std::string_view kInitialTimeText = "GPS: 00:00:00";
inline constexpr std::string_view kReceivePaneText = "Rx:     ";
inline constexpr std::string_view kLogPaneText = "Log:     ";

// After this many idle ticks (10 s at 100 ms) the receive LED goes grey.
inline constexpr int kIdleTicksUntilDisabled = 100;

// What one tick changed; an empty field means the window leaves it alone.
struct StatusUpdate {
    std::optional<LedMode> receiveLed;
    std::optional<LedMode> logLed;
    std::optional<std::string> timeText;
    std::optional<std::string> fixText;

    bool Empty() const { return !receiveLed && !logLed && !timeText && !fixText; }
};

// Fix pane text for a quality; empty for 7 and for unknown qualities.
std::string FixText(int quality, int mode, int station, double age);

// The status bar's state, advanced by the main window's 100 ms timer. The
// first tick always reports both LEDs; afterwards a field is reported only
// when what the window shows would change.
class StatusBarModel {
public:
    StatusUpdate Tick(const ReceiverState& state, bool logFileOpen);

private:
    struct FixInputs {
        int quality = 0;
        int mode = 0;
        int station = 0;
        double age = 0;

        bool operator==(const FixInputs&) const = default;
    };

    std::optional<LedMode> ReceiveLedFor(unsigned sentenceCount);
    std::optional<std::string> TimeTextFor(const ReceiverState& state);
    std::optional<std::string> FixTextFor(const ReceiverState& state);

    unsigned lastSentenceCount = 0;
    int idleTicks = 0;
    std::optional<LedMode> shownReceiveLed;
    std::optional<LedMode> shownLogLed;
    int shownSecondsOfDay = 0;
    FixInputs shownFix;
    std::string shownFixText{kInitialFixText};
};
