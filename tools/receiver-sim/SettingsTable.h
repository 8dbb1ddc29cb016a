#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum class SetResult { Ok, Unknown, ReadOnly, BadValue };

// The receiver's settings as $PZEKQ reads and $PZEKS writes them, under the
// command catalogue's names and the older ones (names on one line are one
// setting). Only the elevation mask changes what the simulation does (the
// cut-off for satellites used in the fix); the others are remembered so a
// query returns what was set.
//   VER, VERS   read-only           firmware version
//   SN          read-only           serial number
//   PORT        read-only           the port a command came in on: U1, the only one
//   MASK, ELVM  5                   degrees, 0..90
//   U1CM        9.6k,9600,N,1       label and baud (4.8k,4800 9.6k,9600 19.2k,19200
//                                   38.4k,38400 57.6k,57600 115.2k,115200), then N,1
//   BAUD        9600                U1CM's baud alone; setting it sets the label too
//   DIFF        N,RTCM,N,60,60,60   six fields, the first Y or N; the rest kept as sent
//   DGPS        OFF                 ON or OFF: DIFF's first field, Y or N
//   RATE        1                   output rate in Hz, 1..10
//   PPS         ON                  ON or OFF
//   RXID        0                   receiver id, 0..9999
//   FIXM        3                   fix mode, 1..3
//   MMSV        3,12                fewest and most satellites, 3 <= min <= max <= 12
//   DRLM        20                  0..999
//   PLAT        3                   platform, 0..9
class SettingsTable {
public:
    explicit SettingsTable(std::string serialNumber);

    std::optional<std::string> Get(std::string_view name) const;
    SetResult Set(std::string_view name, std::string_view value);
    void RestoreDefaults();
    int ElevationMask() const;

private:
    using Rule = std::function<bool(std::string_view)>; // empty: read-only
    struct Item {
        std::vector<std::string> names;
        std::string fallback;
        Rule accepts;
        std::string value;
    };
    // An older name for the leading fields of an item, in words of its own:
    // BAUD's "19200" is U1CM's "19.2k,19200".
    struct View {
        std::string name;
        std::string target;
        size_t fields = 0;
        std::vector<std::pair<std::string, std::string>> words; // {own, target's}
    };

    Item* Find(std::string_view name);
    const Item* Find(std::string_view name) const;
    const View* FindView(std::string_view name) const;

    std::vector<Item> items;
    std::vector<View> views;
};
