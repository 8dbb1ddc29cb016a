#pragma once

// A small JSON reader for the one-line reports in the capture corpus's
// expected-output files (objects, arrays, strings, numbers, literals). Enough
// to read what a test compares against; not a general-purpose parser.

#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };

    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;

    const JsonValue* Find(std::string_view key) const {
        for (const auto& [name, value] : members)
            if (name == key) return &value;
        return nullptr;
    }
    std::optional<double> Number(std::string_view key) const {
        const JsonValue* v = Find(key);
        if (!v || v->kind != Kind::Number) return std::nullopt;
        return v->number;
    }
    std::string_view String(std::string_view key) const {
        const JsonValue* v = Find(key);
        return v && v->kind == Kind::String ? std::string_view(v->text) : std::string_view{};
    }
};

class JsonReader {
public:
    // The value that makes up all of `text`, or nothing when it is not JSON.
    static std::optional<JsonValue> Parse(std::string_view text) {
        JsonReader r(text);
        JsonValue v;
        if (!r.Value(v, 0)) return std::nullopt;
        r.Blanks();
        if (r.at != text.size()) return std::nullopt;
        return v;
    }

private:
    explicit JsonReader(std::string_view t) : text(t) {}

    void Blanks() {
        while (at < text.size() &&
               (text[at] == ' ' || text[at] == '\t' || text[at] == '\r' || text[at] == '\n'))
            ++at;
    }
    bool Take(char c) {
        Blanks();
        if (at < text.size() && text[at] == c) {
            ++at;
            return true;
        }
        return false;
    }
    bool Literal(std::string_view word) {
        if (text.substr(at, word.size()) != word) return false;
        at += word.size();
        return true;
    }

    bool Value(JsonValue& v, int depth) {
        if (depth > 16) return false;
        Blanks();
        if (at >= text.size()) return false;
        const char c = text[at];
        if (c == '{') return Object(v, depth);
        if (c == '[') return Array(v, depth);
        if (c == '"') {
            v.kind = JsonValue::Kind::String;
            return Quoted(v.text);
        }
        if (Literal("true") || Literal("false")) {
            v.kind = JsonValue::Kind::Bool;
            v.boolean = text[at - 1] == 'e' && text[at - 2] == 'u'; // "true", not "false"
            return true;
        }
        if (Literal("null")) return true;
        v.kind = JsonValue::Kind::Number;
        const auto [end, ec] =
            std::from_chars(text.data() + at, text.data() + text.size(), v.number);
        if (ec != std::errc()) return false;
        at = static_cast<size_t>(end - text.data());
        return true;
    }

    bool Object(JsonValue& v, int depth) {
        v.kind = JsonValue::Kind::Object;
        ++at;
        if (Take('}')) return true;
        do {
            std::string key;
            Blanks();
            if (!Quoted(key) || !Take(':')) return false;
            JsonValue member;
            if (!Value(member, depth + 1)) return false;
            v.members.emplace_back(std::move(key), std::move(member));
        } while (Take(','));
        return Take('}');
    }

    bool Array(JsonValue& v, int depth) {
        v.kind = JsonValue::Kind::Array;
        ++at;
        if (Take(']')) return true;
        do {
            v.items.emplace_back();
            if (!Value(v.items.back(), depth + 1)) return false;
        } while (Take(','));
        return Take(']');
    }

    // Escapes are kept as the escaped character; \u sequences become '?',
    // which is all the reports need (none of the compared members use them).
    bool Quoted(std::string& out) {
        if (at >= text.size() || text[at] != '"') return false;
        for (++at; at < text.size(); ++at) {
            char c = text[at];
            if (c == '"') {
                ++at;
                return true;
            }
            if (c == '\\') {
                if (++at >= text.size()) return false;
                c = text[at];
                if (c == 'u') {
                    at += 4;
                    c = '?';
                } else if (c == 'n') {
                    c = '\n';
                } else if (c == 't') {
                    c = '\t';
                } else if (c == 'r') {
                    c = '\r';
                }
            }
            out += c;
        }
        return false;
    }

    std::string_view text;
    size_t at = 0;
};
