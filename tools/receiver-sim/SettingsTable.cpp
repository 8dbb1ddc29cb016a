#include "SettingsTable.h"

#include "TextUtil.h"

#include <algorithm>

SettingsTable::SettingsTable(std::string serialNumber) {
    items = {
        {"VER", "HVSIM,1.0.0", Accepts::Nothing, {}, 0, 0, {}},
        {"SN", std::move(serialNumber), Accepts::Nothing, {}, 0, 0, {}},
        {"BAUD",
         "9600",
         Accepts::Choice,
         {"4800", "9600", "19200", "38400", "57600", "115200"},
         0,
         0,
         {}},
        {"RATE", "1", Accepts::Range, {}, 1, 10, {}},
        {"MASK", "5", Accepts::Range, {}, 0, 45, {}},
        {"DGPS", "OFF", Accepts::Choice, {"ON", "OFF"}, 0, 0, {}},
        {"PPS", "ON", Accepts::Choice, {"ON", "OFF"}, 0, 0, {}},
    };
    RestoreDefaults();
}

void SettingsTable::RestoreDefaults() {
    for (Item& item : items)
        item.value = item.fallback;
}

SettingsTable::Item* SettingsTable::Find(std::string_view name) {
    const auto it = std::find_if(items.begin(), items.end(),
                                 [name](const Item& item) { return item.name == name; });
    return it == items.end() ? nullptr : &*it;
}

const SettingsTable::Item* SettingsTable::Find(std::string_view name) const {
    return const_cast<SettingsTable*>(this)->Find(name);
}

bool SettingsTable::Valid(const Item& item, std::string_view value) {
    if (item.accepts == Accepts::Choice) {
        return std::find(item.choices.begin(), item.choices.end(), value) != item.choices.end();
    }
    const auto number = ParseInteger(value);
    return number && *number >= item.low && *number <= item.high;
}

std::optional<std::string> SettingsTable::Get(std::string_view name) const {
    const Item* item = Find(name);
    if (!item) return std::nullopt;
    return item->value;
}

SetResult SettingsTable::Set(std::string_view name, std::string_view value) {
    Item* item = Find(name);
    if (!item) return SetResult::Unknown;
    if (item->accepts == Accepts::Nothing) return SetResult::ReadOnly;
    if (!Valid(*item, value)) return SetResult::BadValue;
    item->value = std::string(value);
    return SetResult::Ok;
}

int SettingsTable::ElevationMask() const {
    return static_cast<int>(ParseInteger(Find("MASK")->value).value_or(5));
}
