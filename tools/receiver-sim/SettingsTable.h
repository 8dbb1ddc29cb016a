#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class SetResult { Ok, Unknown, ReadOnly, BadValue };

// The receiver's settings as $PZEKQ reads and $PZEKS writes them. Only MASK
// changes what the simulation does (the elevation cut-off for satellites used
// in the fix); the others are remembered so a query returns what was set.
//   VER   read-only   firmware version
//   SN    read-only   serial number
//   BAUD  9600        4800, 9600, 19200, 38400, 57600 or 115200
//   RATE  1           output rate in Hz, 1..10
//   MASK  5           degrees, 0..45
//   DGPS  OFF         ON or OFF
//   PPS   ON          ON or OFF
class SettingsTable {
public:
    explicit SettingsTable(std::string serialNumber);

    std::optional<std::string> Get(std::string_view item) const;
    SetResult Set(std::string_view item, std::string_view value);
    void RestoreDefaults();
    int ElevationMask() const;

private:
    enum class Accepts { Nothing, Choice, Range };
    struct Item {
        std::string name;
        std::string fallback;
        Accepts accepts = Accepts::Nothing;
        std::vector<std::string> choices;
        long long low = 0;
        long long high = 0;
        std::string value;
    };

    Item* Find(std::string_view name);
    const Item* Find(std::string_view name) const;
    static bool Valid(const Item& item, std::string_view value);

    std::vector<Item> items;
};
