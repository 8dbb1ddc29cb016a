#pragma once

// Plays a recorded receiver capture through a framer, recording what it
// echoes and, if asked, the receiver state after every dispatched sentence.

#include "nmea/CommentLineFilter.h"
#include "nmea/DecodeSettings.h"
#include "nmea/NmeaFramer.h"
#include "nmea/ReceiverState.h"
#include "support/Recorders.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

inline std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

// One sentence the framer dispatched, with the state right after it.
struct SeenSentence {
    std::string text; // "$" address "," data
    NavGroup nav;
    DopGroup dop;
    SatGroup sat;
    bool endsGpsGroup = false; // last message of a GPGSV group whose every message was taken
};

// A framer with RMC decoding on (some captures have nothing else) and
// everything it reports recorded.
class CaptureReceiver {
public:
    ReceiverState state;
    DecodeSettings settings;
    RecordingMonitor monitor;
    RecordingLog log;
    NmeaFramer framer{state, settings};
    std::vector<SeenSentence> seen;

    explicit CaptureReceiver(bool snapshots) {
        settings.useRMC = 1;
        framer.SetMonitor(&monitor);
        framer.SetLog(&log);
        framer.SetObserver([this, snapshots](std::string_view address, std::string_view data) {
            SeenSentence s;
            s.text.append("$").append(address).append(",").append(data);
            if (snapshots) {
                s.nav = state.CopyNav();
                s.dop = state.CopyDop();
                s.sat = state.CopySat();
                s.endsGpsGroup = TrackGroup(address, data);
            }
            seen.push_back(std::move(s));
        });
    }

    // Feeds `raw` through the comment-line filter and the framer in pieces of
    // `pieceSize()` bytes, as a serial port would deliver it.
    template <class PieceSize>
    void Feed(std::string_view raw, PieceSize pieceSize) {
        CommentLineFilter filter;
        std::string kept;
        for (size_t at = 0; at < raw.size();) {
            const size_t n = std::min<size_t>(pieceSize(), raw.size() - at);
            kept.clear();
            filter.Filter(raw.substr(at, n), kept);
            framer.Feed(kept);
            at += n;
        }
    }

private:
    static int Number(std::string_view text) {
        int value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        return value;
    }

    // All talkers' GSV messages write the same rows, so the rows hold one
    // GPS table only right after a GPGSV group that came whole and unmixed.
    bool TrackGroup(std::string_view address, std::string_view data) {
        if (address.size() != 5 || address.substr(2) != "GSV") return false;
        const auto f = SplitAt(data, ',');
        if (f.size() < 3) return group.intact = false;
        const int total = Number(f[0]), number = Number(f[1]);
        const std::string_view talker = address.substr(0, 2);
        if (number == 1)
            group = {std::string(talker), total, 2, true};
        else if (group.intact && group.talker == talker && group.total == total &&
                 group.next == number)
            ++group.next;
        else
            group.intact = false;
        return group.intact && number == total && talker == "GP";
    }

    struct {
        std::string talker;
        int total = 0;
        int next = 0;
        bool intact = false;
    } group;
};
