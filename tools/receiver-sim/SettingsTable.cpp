#include "SettingsTable.h"

#include "TextUtil.h"

#include <algorithm>

namespace {

using Rule = std::function<bool(std::string_view)>;

Rule OneOf(std::vector<std::string> choices) {
    return [choices = std::move(choices)](std::string_view value) {
        return std::find(choices.begin(), choices.end(), value) != choices.end();
    };
}

Rule Between(long long low, long long high) {
    return [=](std::string_view value) {
        const auto number = ParseInteger(value);
        return number && *number >= low && *number <= high;
    };
}

// "min,max" with low <= min <= max <= high.
Rule OrderedPair(long long low, long long high) {
    return [=](std::string_view value) {
        const auto fields = Split(value, ',');
        if (fields.size() != 2) return false;
        const auto min = ParseInteger(fields[0]);
        const auto max = ParseInteger(fields[1]);
        return min && max && low <= *min && *min <= *max && *max <= high;
    };
}

// Only the on/off field matters here; the corrections' source and ages are
// kept as sent so the application sees its own value again.
bool DifferentialForm(std::string_view value) {
    const auto fields = Split(value, ',');
    return fields.size() == 6 && (fields[0] == "Y" || fields[0] == "N");
}

// The first `count` fields of a value, and the rest from its comma on.
std::pair<std::string_view, std::string_view> LeadingFields(std::string_view value, size_t count) {
    size_t end = 0;
    for (size_t i = 0; i < count; ++i) {
        end = value.find(',', i ? end + 1 : 0);
        if (end == std::string_view::npos) return {value, {}};
    }
    return {value.substr(0, end), value.substr(end)};
}

// U1CM names every baud with a label; the label must belong to the baud.
constexpr std::pair<const char*, const char*> kBauds[] = {{"4.8k", "4800"},   {"9.6k", "9600"},
                                                          {"19.2k", "19200"}, {"38.4k", "38400"},
                                                          {"57.6k", "57600"}, {"115.2k", "115200"}};

} // namespace

SettingsTable::SettingsTable(std::string serialNumber) {
    std::vector<std::string> serialForms;
    View baud{"BAUD", "U1CM", 2, {}};
    for (const auto& [label, rate] : kBauds) {
        baud.words.emplace_back(rate, std::string(label) + "," + rate);
        serialForms.push_back(baud.words.back().second + ",N,1");
    }
    items = {
        {{"VER", "VERS"}, "HVSIM,1.0.0", {}, {}},
        {{"SN"}, std::move(serialNumber), {}, {}},
        {{"PORT"}, "U1", {}, {}},
        {{"MASK", "ELVM"}, "5", Between(0, 90), {}},
        {{"U1CM"}, "9.6k,9600,N,1", OneOf(std::move(serialForms)), {}},
        {{"DIFF"}, "N,RTCM,N,60,60,60", DifferentialForm, {}},
        {{"RATE"}, "1", Between(1, 10), {}},
        {{"PPS"}, "ON", OneOf({"ON", "OFF"}), {}},
        {{"RXID"}, "0", Between(0, 9999), {}},
        {{"FIXM"}, "3", Between(1, 3), {}},
        {{"MMSV"}, "3,12", OrderedPair(3, 12), {}},
        {{"DRLM"}, "20", Between(0, 999), {}},
        {{"PLAT"}, "3", Between(0, 9), {}},
    };
    views = {std::move(baud), {"DGPS", "DIFF", 1, {{"ON", "Y"}, {"OFF", "N"}}}};
    RestoreDefaults();
}

void SettingsTable::RestoreDefaults() {
    for (Item& item : items)
        item.value = item.fallback;
}

SettingsTable::Item* SettingsTable::Find(std::string_view name) {
    const auto it = std::find_if(items.begin(), items.end(), [name](const Item& item) {
        return std::find(item.names.begin(), item.names.end(), name) != item.names.end();
    });
    return it == items.end() ? nullptr : &*it;
}

const SettingsTable::Item* SettingsTable::Find(std::string_view name) const {
    return const_cast<SettingsTable*>(this)->Find(name);
}

const SettingsTable::View* SettingsTable::FindView(std::string_view name) const {
    const auto it = std::find_if(views.begin(), views.end(),
                                 [name](const View& view) { return view.name == name; });
    return it == views.end() ? nullptr : &*it;
}

std::optional<std::string> SettingsTable::Get(std::string_view name) const {
    if (const Item* item = Find(name)) return item->value;
    const View* view = FindView(name);
    if (!view) return std::nullopt;
    const std::string_view head = LeadingFields(Find(view->target)->value, view->fields).first;
    for (const auto& [own, theirs] : view->words)
        if (theirs == head) return own;
    return std::string(head); // the target only takes values the words cover
}

SetResult SettingsTable::Set(std::string_view name, std::string_view value) {
    if (Item* item = Find(name)) {
        if (!item->accepts) return SetResult::ReadOnly;
        if (!item->accepts(value)) return SetResult::BadValue;
        item->value = std::string(value);
        return SetResult::Ok;
    }
    const View* view = FindView(name);
    if (!view) return SetResult::Unknown;
    const std::string_view rest = LeadingFields(Find(view->target)->value, view->fields).second;
    for (const auto& [own, theirs] : view->words)
        if (own == value) return Set(view->target, theirs + std::string(rest));
    return SetResult::BadValue;
}

int SettingsTable::ElevationMask() const {
    return static_cast<int>(ParseInteger(Find("MASK")->value).value_or(5));
}
