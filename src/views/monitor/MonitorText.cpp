#include "views/monitor/MonitorText.h"

#include <algorithm>

namespace {

constexpr char kBackspace = '\b';

std::size_t DisplayWidth(std::string_view bytes) {
    return bytes.size() - static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\r'));
}

} // namespace

std::string ApplyMonitorTextRules(std::string_view chunk) {
    std::string kept;
    kept.reserve(chunk.size());
    for (char c : chunk) {
        if (c != kBackspace)
            kept.push_back(c);
        else if (!kept.empty())
            kept.pop_back();
    }
    std::string out;
    out.reserve(kept.size() + kept.size() / 16);
    for (char c : kept) {
        if (c == '\n') continue;
        out.push_back(c);
        if (c == '\r') out.push_back('\n');
    }
    return out;
}

void MonitorText::Show(std::string_view chunk, bool debugMode) {
    if (text.size() >= kTrimAt) Trim();
    const std::size_t end = debugMode ? chunk.find(kFrameEnd) : std::string_view::npos;
    if (end != std::string_view::npos) {
        // The part before the frame end completes the frame; the rest starts
        // the next one. Both are kept as received. Only in debug mode: in
        // NMEA text a stray separator must not wipe what is shown.
        AddToPending(chunk.substr(0, end));
        Replace(std::move(pending));
        pending.clear();
        AddToPending(chunk.substr(end + 1));
        return;
    }
    if (debugMode)
        AddToPending(ApplyMonitorTextRules(chunk));
    else
        text += ApplyMonitorTextRules(chunk);
}

void MonitorText::Erase() {
    Replace({});
}

void MonitorText::Trim() {
    if (!replaced) {
        const std::size_t shownTrimmed = std::min(kTrimCount, shownLength);
        removedFront += DisplayWidth(std::string_view(text).substr(0, shownTrimmed));
        shownLength -= shownTrimmed;
    }
    text.erase(0, kTrimCount);
}

void MonitorText::Replace(std::string newText) {
    text = std::move(newText);
    replaced = true;
}

// A frame end that never comes (a receiver that ignores the debug command)
// must not let the pending text grow without end: only its newest part is kept.
void MonitorText::AddToPending(std::string_view part) {
    pending += part;
    if (pending.size() > kTrimAt) pending.erase(0, pending.size() - kTrimAt);
}

MonitorDisplayChange MonitorText::TakeChange() {
    MonitorDisplayChange change;
    change.replaced = replaced;
    if (replaced) {
        change.text = Display(text);
    } else {
        change.removedFront = removedFront;
        change.text = Display(std::string_view(text).substr(shownLength));
    }
    shownLength = text.size();
    removedFront = 0;
    replaced = false;
    return change;
}

std::string MonitorText::Display(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') continue;
        if (c == kFrameEnd || c == '\n')
            out.push_back('\n');
        else if (c == '\t' || (byte >= 0x20 && byte != 0x7F))
            out.push_back(c);
        else
            out.push_back('?');
    }
    return out;
}
