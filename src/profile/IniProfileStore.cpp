#include "profile/IniProfileStore.h"

#include "nmea/HexDigit.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace {

std::string Unescape(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexDigitValue(text[i + 1]) >= 0 &&
            HexDigitValue(text[i + 2]) >= 0) {
            out += static_cast<char>(HexDigitValue(text[i + 1]) * 16 + HexDigitValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// A character Qt wrote as a number ("\x1b", "\0"): a UTF-16 unit, kept as UTF-8.
void AppendCodeUnit(std::string& out, unsigned unit) {
    if (unit < 0x80) {
        out += static_cast<char>(unit);
    } else if (unit < 0x800) {
        out += static_cast<char>(0xC0 | (unit >> 6));
        out += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (unit >> 12));
        out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (unit & 0x3F));
    }
}

// A value as Qt writes it: quoted stretches, backslash escapes (control
// characters by name or as hex "\x1" or octal "\0"), and a doubled '@' for
// text that starts with one.
std::string UnescapeValue(std::string_view value) {
    constexpr std::string_view kNamed = "abfnrtv", kNamedAs = "\a\b\f\n\r\t\v";
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '"') continue;
        if (c != '\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const char next = value[++i];
        const bool hex = next == 'x' && i + 1 < value.size() && HexDigitValue(value[i + 1]) >= 0;
        if (hex || (next >= '0' && next <= '7')) {
            const unsigned base = hex ? 16 : 8;
            unsigned unit = hex ? 0 : static_cast<unsigned>(next - '0');
            for (int d; i + 1 < value.size() && (d = HexDigitValue(value[i + 1])) >= 0 &&
                        static_cast<unsigned>(d) < base;
                 ++i)
                unit = (unit * base + static_cast<unsigned>(d)) & 0xFFFF;
            AppendCodeUnit(out, unit);
            continue;
        }
        const size_t named = kNamed.find(next);
        out += named == std::string_view::npos ? next : kNamedAs[named];
    }
    if (out.starts_with("@@")) out.erase(0, 1);
    return out;
}

} // namespace

bool IniProfileStore::Load(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        error = "Cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    std::string section, line;
    while (std::getline(in, line)) {
        std::string_view text = Trim(line);
        if (text.empty() || text.front() == ';' || text.front() == '#') continue;
        if (text.front() == '[' && text.back() == ']') {
            section = Unescape(text.substr(1, text.size() - 2));
            if (section == "%General") section = "General"; // Qt's name for a group so called
            continue;
        }
        const size_t eq = text.find('=');
        if (eq == std::string_view::npos) continue;
        SetString(section, Unescape(Trim(text.substr(0, eq))),
                  UnescapeValue(Trim(text.substr(eq + 1))));
    }
    return true;
}
