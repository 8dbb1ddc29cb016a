#include "CommandHandler.h"

#include "TextUtil.h"
#include "nmea/HexDigit.h"
#include "nmea/NmeaChecksum.h"

#include <algorithm>
#include <span>

namespace {

using Words = std::span<const std::string_view>;

bool IsCommandAddress(std::string_view a) {
    return a.size() == 5 && (a.starts_with("PZEK") || a.starts_with("PSYM")) &&
           (a[4] == 'Q' || a[4] == 'S');
}

// A checksum is optional; when there is one it must be right.
bool ChecksumMatches(std::string_view body, size_t star) {
    const std::string_view digits = body.substr(star + 1);
    if (digits.size() != 2 || HexDigitValue(digits[0]) < 0 || HexDigitValue(digits[1]) < 0)
        return false;
    const int sent = HexDigitValue(digits[0]) * 16 + HexDigitValue(digits[1]);
    return sent == NmeaChecksum(body.substr(0, star));
}

std::string Join(Words words) {
    std::string out;
    for (size_t i = 0; i < words.size(); ++i) {
        if (i) out += ',';
        out.append(words[i]);
    }
    return out;
}

// Words after RSET: none is hot, EPH alone is warm, ALM or CONFIG is cold.
std::optional<ResetKind> ResetKindOf(Words words) {
    ResetKind kind = ResetKind::Hot;
    for (std::string_view w : words) {
        if (w == "EPH") {
            if (kind == ResetKind::Hot) kind = ResetKind::Warm;
        } else if (w == "ALM" || w == "CONFIG") {
            kind = ResetKind::Cold;
        } else {
            return std::nullopt;
        }
    }
    return kind;
}

void HandleSet(const std::string& reply, std::string_view item, Words args, SettingsTable& settings,
               CommandOutcome& out) {
    const std::string prefix = reply + "," + std::string(item) + ",";
    if (item == "RSET") {
        out.reset = ResetKindOf(args);
        if (!out.reset) return out.replies.push_back(prefix + "ERR,VALUE");
        if (std::find(args.begin(), args.end(), "CONFIG") != args.end()) settings.RestoreDefaults();
        return out.replies.push_back(prefix + "OK");
    }
    if (item == "UPGM") {
        out.startLoader = args.size() == 1 && args[0] == "SREC";
        return out.replies.push_back(prefix + (out.startLoader ? "OK" : "ERR,VALUE"));
    }
    switch (settings.Set(item, Join(args))) {
    case SetResult::Ok:
        return out.replies.push_back(prefix + "OK");
    case SetResult::Unknown:
        return out.replies.push_back(prefix + "ERR,UNKNOWN");
    case SetResult::ReadOnly:
        return out.replies.push_back(prefix + "ERR,READONLY");
    case SetResult::BadValue:
        return out.replies.push_back(prefix + "ERR,VALUE");
    }
}

} // namespace

CommandOutcome HandleCommand(std::string_view line, SettingsTable& settings) {
    CommandOutcome out;
    if (!line.starts_with('$')) return out;
    std::string_view body = line.substr(1);
    if (body == "11" || body == "0") {
        out.debug = body == "11";
        return out;
    }
    const size_t star = body.find('*');
    const std::vector<std::string_view> fields = Split(body.substr(0, star), ',');
    if (!IsCommandAddress(fields[0])) return out;

    const std::string reply = std::string(fields[0].substr(0, 4)) + "R";
    if (star != std::string_view::npos && !ChecksumMatches(body, star)) {
        out.replies.push_back(reply + ",ERR,CHECKSUM");
        return out;
    }
    const std::string_view item = fields.size() > 1 ? fields[1] : std::string_view{};
    if (item.empty()) {
        out.replies.push_back(reply + ",ERR,SYNTAX");
        return out;
    }
    if (fields[0][4] == 'S') {
        HandleSet(reply, item, Words(fields).subspan(2), settings, out);
        return out;
    }
    const auto value = settings.Get(item);
    out.replies.push_back(reply + "," + std::string(item) + "," + value.value_or("ERR,UNKNOWN"));
    return out;
}
