// Real receiver captures from the shared corpus (HV_CORPUS_DIR), each with
// gpsd's decoding of it (NAME.log.chk): every accepted sentence as received,
// followed by the JSON reports it triggered. Two checks per capture:
//  1. feeding it in pieces of any size gives what feeding it whole gives;
//  2. after each sentence both programs accepted, our state agrees with the
//     reports on the members both derive straight from that sentence.

#include "nmea/CommentLineFilter.h"
#include "nmea/DecodeSettings.h"
#include "nmea/NmeaFramer.h"
#include "nmea/ReceiverState.h"
#include "support/MiniJson.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// What is left out of the comparison with gpsd for a capture.
enum Skip : unsigned {
    kNone = 0,
    kFraming = 1 << 0,    // gpsd accepts sentences we reject: their count is pinned instead
    kPosition = 1 << 1,   // time of day, latitude, longitude, height above the ellipsoid
    kFixMode = 1 << 2,    // GSA mode against TPV mode
    kDops = 1 << 3,       // GSA DOPs against SKY
    kSatellites = 1 << 4, // GPGSV rows against SKY satellites
};

struct Capture {
    const char* name;
    unsigned skip;
    int gpsdOnly; // sentences in the .chk we do not accept (with kFraming)
    const char* why;
};

// clang-format off
const Capture kCaptures[] = {
    {"GPSmap-76S.log", kNone, 0, ""},
    {"ac12.log", kNone, 0, ""},
    {"ac12_binary.log", kNone, 0, ""},
    {"beidou-bd.log", kNone, 0, ""},
    {"beidou-gb.log", kNone, 0, ""},
    {"bu353-glonass.log", kNone, 0, ""},
    {"cat-ms352.log", kNone, 0, ""},
    {"com-1289.log", kNone, 0, ""},
    {"eXplorist210.log", kNone, 0, ""},
    {"ericsson-gru04-02-70sec.log", kNone, 0, ""},
    {"firefly-II.log", kNone, 0, ""},
    {"furuno_gl_ga.log", kNone, 0, ""},
    {"garmin-geko201.log", kNone, 0, ""},
    {"garmin15x.log", kNone, 0, ""},
    {"garmin25lp.log", kNone, 0, ""},
    {"gp-320fw-2019-04-06-overflow.log", kNone, 0, ""},
    {"gp-320fw-2019-04-07-coldboot.log", kNone, 0, ""},
    {"haicom-305N.log", kNone, 0, ""},
    {"hp58534a.log", kNone, 0, ""},
    {"isync.log", kNone, 0, ""},
    {"magellan-ec10.log", kNone, 0, ""},
    {"meinberg-gps164.log", kNone, 0, ""},
    {"mtk-3301.log", kNone, 0, ""},
    {"myguide-3100.log", kNone, 0, ""},
    {"navika-100-fix.log", kNone, 0, ""},
    {"neo-m8n.log", kNone, 0, ""},
    {"nmea-rtk.log", kNone, 0, ""},
    {"polarx2.log", kNone, 0, ""},
    {"quectel-eg25-g.log", kNone, 0, ""},
    {"quectel-l76k-nmea.log", kNone, 0, ""},
    {"quectelLC79D.log", kNone, 0, ""},
    {"rst39.log", kNone, 0, ""},
    {"sl869.log", kNone, 0, ""},
    {"skytraq-dgps.log", kNone, 0, ""},
    {"skytraq.log", kNone, 0, ""},
    {"st-teseo-liv3f.log", kNone, 0, ""},
    {"st-teseo-liv4f.log", kNone, 0, ""},
    {"telit-pls83-w.log", kNone, 0, ""},
    {"ublox-neo-m9n-nmea.log", kNone, 0, ""},
    {"ublox-zed-f9p-nmea.log", kNone, 0, ""},
    {"unicore-um621.log", kNone, 0, ""},
    {"venus634lp.log", kNone, 0, ""},
};
// clang-format on

const fs::path kCorpus = HV_CORPUS_DIR;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

int ToInt(std::string_view text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// One sentence our framer dispatched, with the state right after it.
struct Seen {
    std::string text; // "$" address "," data
    NavGroup nav;
    DopGroup dop;
    SatGroup sat;
    bool endsGpsGroup = false; // last message of a GPGSV group whose every message we took
};

// A framer with everything it reports recorded. RMC decoding is on so the
// RMC-only captures decode.
struct Receiver {
    ReceiverState state;
    DecodeSettings settings;
    RecordingMonitor monitor;
    RecordingLog log;
    NmeaFramer framer{state, settings};
    std::vector<Seen> seen;

    explicit Receiver(bool snapshots) {
        settings.useRMC = 1;
        framer.SetMonitor(&monitor);
        framer.SetLog(&log);
        framer.SetObserver([this, snapshots](std::string_view address, std::string_view data) {
            Seen s;
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

    // Feeds `raw` through the comment filter and the framer in pieces of
    // `pieceSize()` bytes.
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
    // GSV rows are shared by all talkers, so a GPS table is only whole right
    // after a GPGSV group that arrived without another GSV in between.
    bool TrackGroup(std::string_view address, std::string_view data) {
        if (address.size() < 5 || address.substr(2) != "GSV") return false;
        const auto f = Split(data, ',');
        if (f.size() < 3) return group.intact = false;
        const int total = ToInt(f[0]), number = ToInt(f[1]);
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

class CorpusCapture : public testing::TestWithParam<Capture> {
protected:
    void SetUp() override {
        if (!fs::is_directory(kCorpus)) GTEST_SKIP() << "no capture corpus at " << kCorpus;
    }
};

void PrintTo(const Capture& capture, std::ostream* out) { *out << capture.name; }

std::string CaptureName(const testing::TestParamInfo<Capture>& info) {
    std::string name = info.param.name;
    name.resize(name.size() - 4); // ".log"
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
    return name;
}

TEST_P(CorpusCapture, PiecewiseFeedingMatchesWholeFeeding) {
    const std::string raw = ReadFile(kCorpus / GetParam().name);
    ASSERT_FALSE(raw.empty());
    Receiver whole(false);
    whole.Feed(raw, [&] { return raw.size(); });
    // hp58534a has neither checksums nor carriage returns: all of it is dropped.
    ASSERT_GT(whole.state.GetSentenceCount() + whole.framer.Dropped(), 0u);

    std::mt19937 random(20240611);
    const std::pair<const char*, std::function<size_t()>> pieces[] = {
        {"random 1..97 bytes", [&] { return 1 + random() % 97; }},
        {"single bytes", [] { return size_t{1}; }},
    };
    for (const auto& [label, pieceSize] : pieces) {
        SCOPED_TRACE(label);
        Receiver split(false);
        split.Feed(raw, pieceSize);
        EXPECT_EQ(split.state.CopyNav(), whole.state.CopyNav());
        EXPECT_EQ(split.state.CopySat(), whole.state.CopySat());
        EXPECT_EQ(split.state.CopyDop(), whole.state.CopyDop());
        EXPECT_EQ(split.state.CopyClock(), whole.state.CopyClock());
        EXPECT_EQ(split.state.TakeReplies(), whole.state.TakeReplies());
        EXPECT_EQ(split.state.GetSentenceCount(), whole.state.GetSentenceCount());
        EXPECT_EQ(split.framer.ChecksumErrors(), whole.framer.ChecksumErrors());
        EXPECT_EQ(split.framer.Dropped(), whole.framer.Dropped());
        EXPECT_EQ(split.monitor.texts, whole.monitor.texts);
        EXPECT_EQ(split.monitor.flags, whole.monitor.flags);
        EXPECT_EQ(split.log.contents, whole.log.contents);
        ASSERT_EQ(split.seen.size(), whole.seen.size());
        for (size_t i = 0; i < whole.seen.size(); ++i)
            ASSERT_EQ(split.seen[i].text, whole.seen[i].text) << "sentence " << i;
    }
}

// ---- comparison with gpsd ------------------------------------------------

enum Member { kTime, kLatLon, kHeight, kMode, kDop, kSatellite, kMembers };
constexpr const char* kMemberNames[kMembers] = {"time",   "lat/lon", "altHAE",
                                               "mode",   "DOP",     "satellite"};

struct Tally {
    int matchedSentences = 0;
    int gpsdOnly = 0;     // .chk sentences none of ours matched
    int longAddresses = 0; // of those, ones with a 7+ character address, which we drop
    std::array<int, kMembers> compared{};
    std::array<int, kMembers> differing{};
    std::vector<std::string> differences; // the first few, for the failure message
    int Compared() const {
        int n = 0;
        for (int c : compared) n += c;
        return n;
    }
};

// A .chk sentence line as our observer sees the sentence: no CR, no checksum.
std::string_view Body(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() >= 3 && line[line.size() - 3] == '*') line.remove_suffix(3);
    return line;
}

struct Judge {
    unsigned skip;
    Tally& tally;
    std::string_view sentence;

    void Check(Member m, bool agree, double ours, double theirs, std::string_view what = {}) {
        ++tally.compared[m];
        if (agree) return;
        ++tally.differing[m];
        if (tally.differences.size() < 12) {
            char line[120];
            std::snprintf(line, sizeof line, "%s %.*s: ours %.9g, gpsd %.9g in ", kMemberNames[m],
                          static_cast<int>(what.size()), what.data(), ours, theirs);
            tally.differences.push_back(line + std::string(sentence));
        }
    }
    void Near(Member m, double ours, double theirs, double tolerance) {
        Check(m, std::fabs(ours - theirs) <= tolerance, ours, theirs);
    }
};

// Compares one sentence's aftermath: `reports` are the JSON objects printed
// right after it.
void CompareSentence(const Seen& ours, std::string_view body,
                     const std::vector<JsonValue>& reports, unsigned skip, Tally& tally) {
    Judge judge{skip, tally, body};
    const size_t comma = body.find(',');
    const std::string_view address = body.substr(1, comma - 1);
    const std::string_view type = address.size() == 5 ? address.substr(2) : address;
    const auto f = Split(body.substr(comma + 1), ',');
    const auto has = [&](size_t n) { return n < f.size() && !f[n].empty(); };

    for (const JsonValue& report : reports) {
        const std::string_view kind = report.String("class");
        if (kind == "TPV" && (type == "GGA" || type == "RMC") && !(skip & kPosition)) {
            const bool gga = type == "GGA";
            // gpsd takes nothing from an RMC with status V; we take it all.
            if (!gga && !(has(1) && f[1] == "A")) continue;
            int h = 0, m = 0, s = 0;
            const std::string_view time = report.String("time");
            const size_t t = time.find('T');
            if (has(0) && t != std::string_view::npos &&
                std::sscanf(std::string(time.substr(t + 1)).c_str(), "%d:%d:%d", &h, &m, &s) == 3)
                judge.Check(kTime,
                            h == ours.nav.hour && m == ours.nav.minute && s == ours.nav.second,
                            ours.nav.hour * 10000 + ours.nav.minute * 100 + ours.nav.second,
                            h * 10000 + m * 100 + s);
            const size_t lat = gga ? 1 : 2;
            if (has(lat) && has(lat + 2)) {
                if (const auto v = report.Number("lat")) judge.Near(kLatLon, ours.nav.latitude, *v, 1e-7);
                if (const auto v = report.Number("lon")) judge.Near(kLatLon, ours.nav.longitude, *v, 1e-7);
            }
            // Without a geoid separation in the GGA, gpsd takes one from its model.
            if (gga && has(8) && has(10))
                if (const auto v = report.Number("altHAE")) judge.Near(kHeight, ours.nav.altitude, *v, 0.01);
        }
        if (type == "GSA" && kind == "TPV" && !(skip & kFixMode)) {
            // gpsd upgrades a 2D fix to 3D when the cycle's GGA had an
            // altitude, and says 0 before it has any fix information.
            const auto mode = report.Number("mode");
            if (has(1) && (f[1] == "1" || f[1] == "3") && mode && *mode >= 1)
                judge.Check(kMode, ours.dop.fixMode == *mode, ours.dop.fixMode, *mode);
        }
        if (type == "GSA" && kind == "SKY" && !(skip & kDops)) {
            const std::pair<const char*, double> dops[] = {
                {"pdop", ours.dop.pdop}, {"hdop", ours.dop.hdop}, {"vdop", ours.dop.vdop}};
            for (size_t i = 0; i < 3; ++i)
                if (const auto v = report.Number(dops[i].first); v && has(14 + i))
                    judge.Near(kDop, dops[i].second, *v, 0.005 + 1e-9);
        }
        if (type == "GSV" && kind == "SKY" && ours.endsGpsGroup && !(skip & kSatellites)) {
            const JsonValue* list = report.Find("satellites");
            if (!list) continue;
            const int rows = std::min(ours.sat.satellitesInView, kMaxSatellites);
            for (int r = 0; r < rows; ++r) {
                const SatelliteInfo& row = ours.sat.satellites[r];
                if (row.prn < 1 || row.prn > kMaxPrn) continue;
                std::vector<const JsonValue*> found;
                for (const JsonValue& sv : list->items) {
                    const auto gnss = sv.Number("gnssid");
                    const auto id = gnss ? sv.Number("svid") : sv.Number("PRN");
                    if ((!gnss || *gnss == 0) && id && *id == row.prn) found.push_back(&sv);
                }
                // A satellite listed once per signal cannot be told apart.
                if (found.size() > 1) continue;
                if (found.empty()) {
                    judge.Check(kSatellite, false, row.prn, 0, "missing PRN");
                    continue;
                }
                // gpsd leaves out an empty SNR, which we read as 0, and
                // drops elevation and azimuth together when either is empty.
                const std::pair<const char*, int> members[] = {
                    {"el", row.elevation}, {"az", row.azimuth}, {"ss", row.snr}};
                for (const auto& [key, mine] : members) {
                    const auto given = found[0]->Number(key);
                    if (!given && key[0] != 's') continue;
                    const double theirs = given.value_or(0);
                    const std::string what = "PRN " + std::to_string(row.prn) + " " + key;
                    judge.Check(kSatellite, mine == theirs, mine, theirs, what);
                }
            }
        }
    }
}

Tally CompareWithGpsd(const Capture& capture) {
    Tally tally;
    Receiver ours(true);
    ours.Feed(ReadFile(kCorpus / capture.name), [] { return size_t{4096}; });

    const std::string chk = ReadFile(kCorpus / (std::string(capture.name) + ".chk"));
    std::vector<std::string_view> lines = Split(chk, '\n');
    size_t next = 0; // first of our sentences not yet matched
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty() || lines[i][0] != '$') continue;
        const std::string_view body = Body(lines[i]);
        std::vector<JsonValue> reports;
        for (size_t j = i + 1; j < lines.size() && !lines[j].empty() && lines[j][0] == '{'; ++j)
            if (auto v = JsonReader::Parse(lines[j])) reports.push_back(std::move(*v));

        // We also take sentences without a checksum, which gpsd drops: skip
        // ours up to the match, but not so far that a repeated sentence
        // could pair with the wrong one.
        size_t at = next;
        while (at < ours.seen.size() && at < next + 64 && ours.seen[at].text != body) ++at;
        if (at == ours.seen.size() || at == next + 64) {
            // Seven-letter proprietary addresses (PSRFEPE, PTNLRBA, ...) are
            // longer than we take; nothing we decode uses one.
            if (body.find(',') > NmeaFramer::kMaxAddress + 1) {
                ++tally.longAddresses;
                continue;
            }
            ++tally.gpsdOnly;
            if (tally.differences.size() < 12)
                tally.differences.push_back("not accepted: " + std::string(body));
            continue;
        }
        next = at + 1;
        ++tally.matchedSentences;
        CompareSentence(ours.seen[at], body, reports, capture.skip, tally);
    }
    return tally;
}

std::string Describe(const Tally& tally) {
    std::string text = "matched " + std::to_string(tally.matchedSentences) + ", gpsd only " +
                       std::to_string(tally.gpsdOnly) + " (+" +
                       std::to_string(tally.longAddresses) + " long addresses)";
    for (int m = 0; m < kMembers; ++m)
        text += std::string(", ") + kMemberNames[m] + " " + std::to_string(tally.differing[m]) +
                "/" + std::to_string(tally.compared[m]);
    for (const std::string& d : tally.differences) text += "\n  " + d;
    return text;
}

TEST_P(CorpusCapture, AgreesWithGpsdOnSharedMembers) {
    const Capture& capture = GetParam();
    const Tally tally = CompareWithGpsd(capture);
    SCOPED_TRACE(Describe(tally));
    if (capture.skip & kFraming)
        EXPECT_EQ(tally.gpsdOnly, capture.gpsdOnly);
    else
        EXPECT_EQ(tally.gpsdOnly, 0);
    for (int m = 0; m < kMembers; ++m) EXPECT_EQ(tally.differing[m], 0) << kMemberNames[m];
}

INSTANTIATE_TEST_SUITE_P(Captures, CorpusCapture, testing::ValuesIn(kCaptures), CaptureName);

TEST(Corpus, TableListsEveryCapture) {
    if (!fs::is_directory(kCorpus)) GTEST_SKIP() << "no capture corpus at " << kCorpus;
    std::vector<std::string> onDisk, listed;
    for (const auto& entry : fs::directory_iterator(kCorpus))
        if (entry.path().extension() == ".log") onDisk.push_back(entry.path().filename());
    for (const Capture& c : kCaptures) listed.push_back(c.name);
    std::sort(onDisk.begin(), onDisk.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(onDisk, listed);
}

TEST(Corpus, ComparesThousandsOfMembers) {
    if (!fs::is_directory(kCorpus)) GTEST_SKIP() << "no capture corpus at " << kCorpus;
    Tally all;
    for (const Capture& c : kCaptures) {
        const Tally t = CompareWithGpsd(c);
        all.matchedSentences += t.matchedSentences;
        for (int m = 0; m < kMembers; ++m) all.compared[m] += t.compared[m];
    }
    std::printf("%s\n", Describe(all).c_str());
    EXPECT_GT(all.matchedSentences, 10000);
    for (int m = 0; m < kMembers; ++m) EXPECT_GT(all.compared[m], 100) << kMemberNames[m];
}

} // namespace
