#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// What the display must do to catch up with the text: drop characters from
// its start, then add `text` at its end - or, when `replaced`, show `text`
// instead of everything. Characters are display characters: see
// MonitorText::Display.
struct MonitorDisplayChange {
    bool replaced = false;
    std::size_t removedFront = 0;
    std::string text;

    bool operator==(const MonitorDisplayChange&) const = default;
};

// The command monitor's text and the rules each arriving chunk goes through:
// backspaces applied, every line ended by CR LF, the oldest text dropped when
// the text grows large, and in debug mode the receiver's raw output gathered
// into frames ended by a record separator. Lengths count received bytes, a
// line end being the two characters CR LF. UI thread only.
class MonitorText {
public:
    static constexpr std::size_t kTrimAt = 16384;
    static constexpr std::size_t kTrimCount = 4097;
    static constexpr char kFrameEnd = '\x1E';

    // One chunk as it arrived. In debug mode text goes to the pending frame,
    // which replaces the whole text when a frame end arrives.
    void Show(std::string_view chunk, bool debugMode);
    void Erase();
    // Forgets a frame being gathered, when the mode changes.
    void DropPending() { pending.clear(); }

    const std::string& Text() const { return text; }
    const std::string& Pending() const { return pending; }

    // What changed since the last call, for a display that shows Display(Text()).
    MonitorDisplayChange TakeChange();

    // How the display shows text, one character per byte: CR not at all (a
    // line ends at LF), a frame end as a line end, other control characters
    // as '?', the rest as Latin-1.
    static std::string Display(std::string_view bytes);

private:
    void Trim();
    void Replace(std::string newText);
    void AddToPending(std::string_view part);

    std::string text;
    std::string pending;
    // The display shows text[0, shownLength) after dropping `removedFront`
    // characters, unless `replaced`.
    std::size_t shownLength = 0;
    std::size_t removedFront = 0;
    bool replaced = false;
};

// Rules for one chunk of NMEA text: a backspace removes itself and the
// character before it (one at the start of the chunk has nothing before it
// and is only dropped); line feeds are removed and a line feed follows every
// carriage return.
std::string ApplyMonitorTextRules(std::string_view chunk);
