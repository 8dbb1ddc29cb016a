// Real receiver captures from the shared corpus (HV_CORPUS_DIR), each with
// gpsd's decoding of it in NAME.log.chk: every sentence gpsd accepted, as
// received, followed by the JSON reports it triggered. For every capture:
//  1. feeding it in pieces of any size gives exactly what feeding it whole does;
//  2. after each sentence both programs accepted, our state agrees with
//     gpsd's reports on what that sentence itself defines the way we do.
//
// Rules that hold for every capture (the table below says where they bite):
//  - gpsd drops sentences without a checksum; we take those ended by a CR,
//    so ours may have extra sentences, which are passed over. gpsd takes
//    7-letter proprietary addresses; we drop them (none is decoded).
//  - Time and position: after GGA, and after RMC with status A only (gpsd
//    takes nothing from a void RMC). altHAE only when the GGA carries a geoid
//    separation; otherwise gpsd fills it from its model.
//  - Fix mode: after GSA, against the TPV's mode. gpsd says 0 before it knows
//    anything, and reports a 2D GSA fix as 3D once a GGA gave an altitude.
//  - DOPs: after GSA (and $PASHR,POS), against the SKY report.
//  - Satellites: after the last message of a GPGSV group we took whole (other
//    talkers' GSV write the same rows), and after $PASHR,SAT; PRNs 1-32.
//    gpsd lists a satellite once per signal for multi-signal GSV: those are
//    passed over. An empty SNR reads 0 for us and is left out by gpsd; gpsd
//    also leaves out elevation and azimuth together when either is empty.

#include "nmea/CommentLineFilter.h"
#include "nmea/FieldConversions.h"
#include "support/Files.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

std::optional<double> Number(const Json& object, const char* key) {
    const auto it = object.find(key);
    if (it == object.end() || !it->is_number()) return std::nullopt;
    return it->get<double>();
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
class CaptureReceiver : public RecordingFramer {
public:
    std::vector<SeenSentence> seen;

    CaptureReceiver() {
        settings.useRMC = 1;
        framer.SetObserver([this](std::string_view address, std::string_view data) {
            seen.push_back({std::string("$").append(address).append(",").append(data),
                            state.CopyNav(), state.CopyDop(), state.CopySat(),
                            TrackGroup(address, data)});
        });
    }

    // Feeds `raw` through the comment-line filter and the framer in pieces of
    // `pieceSize()` bytes, as a serial port would deliver it.
    void Feed(std::string_view raw, const std::function<size_t()>& pieceSize) {
        CommentLineFilter filter;
        for (size_t at = 0, n = 0; at < raw.size(); at += n) {
            n = std::min<size_t>(pieceSize(), raw.size() - at);
            std::string kept;
            filter.Filter(raw.substr(at, n), kept);
            framer.Feed(kept);
        }
    }

    // Everything the framer and the state report, for comparing two feedings
    // (the sentences themselves are compared one by one).
    auto Outcome() {
        return std::tuple(state.CopyNav(), state.CopySat(), state.CopyDop(), state.CopyClock(),
                          state.TakeReplies(), state.GetSentenceCount(), framer.ChecksumErrors(),
                          framer.Dropped(), monitor.texts, monitor.flags, log.contents,
                          seen.size());
    }

private:
    // All talkers' GSV messages write the same rows, so the rows hold one
    // GPS table only right after a GPGSV group that came whole and unmixed.
    bool TrackGroup(std::string_view address, std::string_view data) {
        if (address.size() != 5 || address.substr(2) != "GSV") return false;
        const auto f = SplitAt(data, ',');
        const int total = f.size() < 3 ? 0 : ParseWhole(f[0]),
                  number = f.size() < 3 ? 0 : ParseWhole(f[1]);
        const std::string talker(address.substr(0, 2));
        if (number == 1) group = {talker, total, 1};
        const bool next = number == group.next && talker == group.talker && total == group.total;
        group.next = next ? number + 1 : -1;
        return next && number == total && talker == "GP";
    }

    struct {
        std::string talker;
        int total = 0, next = -1;
    } group;
};

// Every capture in the corpus is checked. Where the rules above bite: void
// RMCs in many; GSA 2D fixes reported 3D (garmin25lp, haicom-305N, sl869,
// telit-pls83-w); GGA without geoid separation, where altHAE is gpsd's model
// (eXplorist210, myguide-3100, quectelLC79D, rst39, unicore-um621); GSV tables
// of other talkers not comparable (beidou-*, bu353-glonass, furuno_gl_ga,
// neo-m8n, quectel-*, sl869, skytraq-dgps, st-teseo-liv3f, ublox-*);
// multi-signal GPGSV (quectelLC79D, ublox-zed-f9p); 7-letter addresses
// (beidou-*, ericsson, furuno, mtk-3301, st-teseo-*, unicore-um621).
// firefly-II has a wrong checksum on every GGA (RMC only); hp58534a has no
// checksums and LF line ends, so no sentence ever ends for us and gpsd's .chk
// is empty; rst39 sends attitude $PASHR (that they leave the state alone is
// checked in the decoder's own test).

// .chk sentences we do not accept, beyond 7-letter addresses (none elsewhere).
const std::map<std::string, int> kGpsdOnly = {
    // Three sentences start inside truncated ones ("...,270,$GPRMC,..."):
    // gpsd starts over at the '$', for us it is data and the checksum fails.
    {"gp-320fw-2019-04-07-coldboot.log", 3},
    // $PTNTA was injected into a GPGSV; gpsd recovers both, we reject the
    // mixture on its checksum, and that GPGSV group is not compared.
    {"isync.log", 2},
    // $POLYN lines have no checksum and end in LF, so one runs on into the
    // GGA after it and both fail the checksum.
    {"mtk-3301.log", 1},
    // The $GPTXT banner has no checksum and runs on into the first RMC.
    {"sl869.log", 1},
    // Every sentence starts "$$": gpsd reads it as one '$'; for us the second
    // '$' is part of the address and the checksum, so nothing is accepted.
    {"st-teseo-liv4f.log", 301},
};

const fs::path kCorpus = HV_CORPUS_DIR;

// ---- agreement with gpsd ----------------------------------------------------

enum Member { kTime, kLatLon, kHeight, kMode, kDop, kSatellite, kMembers };
constexpr const char* kMemberNames[kMembers] = {"time", "lat/lon", "altHAE",
                                                "mode", "DOP",     "satellite"};

struct Tally {
    int matched = 0, gpsdOnly = 0; // .chk sentences ours matched, and (short addresses) none did
    std::array<int, kMembers> compared{}, differing{};
    std::vector<std::string> notes; // the first differences, for the failure message

    void Note(std::string note) {
        if (notes.size() < 12) notes.push_back(std::move(note));
    }
    std::string Describe() const {
        std::ostringstream text;
        text << "matched " << matched << ", gpsd only " << gpsdOnly;
        for (int m = 0; m < kMembers; ++m)
            text << ", " << kMemberNames[m] << " " << differing[m] << "/" << compared[m];
        for (const std::string& n : notes)
            text << "\n  " << n;
        return text.str();
    }
};

// One accepted sentence with its fields, and our state right after it.
struct Aftermath {
    const SeenSentence& ours;
    std::string_view sentence;
    std::vector<std::string_view> fields;
    Tally& tally;

    bool Has(size_t n) const { return n < fields.size() && !fields[n].empty(); }
    std::string_view Field(size_t n) const { return n < fields.size() ? fields[n] : ""; }
    // Compared only where gpsd gives a value.
    void Check(Member m, double mine, std::optional<double> theirs, double tolerance = 0,
               std::string_view what = {}) {
        if (!theirs) return;
        ++tally.compared[m];
        if (std::fabs(mine - *theirs) <= tolerance) return;
        ++tally.differing[m];
        char values[80];
        std::snprintf(values, sizeof values, ": ours %.9g, gpsd %.9g in ", mine, *theirs);
        tally.Note(
            std::string(kMemberNames[m]).append(" ").append(what).append(values).append(sentence));
    }
};

void ComparePosition(Aftermath& a, bool gga, const Json& tpv) {
    const NavGroup& nav = a.ours.nav;
    int h = 0, m = 0, s = 0;
    const std::string time = tpv.value("time", std::string());
    const size_t t = time.find('T');
    if (a.Has(0) && t != std::string::npos &&
        std::sscanf(time.c_str() + t + 1, "%d:%d:%d", &h, &m, &s) == 3)
        a.Check(kTime, nav.hour * 10000 + nav.minute * 100 + nav.second, h * 10000 + m * 100 + s);
    const size_t lat = gga ? 1 : 2;
    if (a.Has(lat) && a.Has(lat + 2)) {
        a.Check(kLatLon, nav.latitude, Number(tpv, "lat"), 1e-7);
        a.Check(kLatLon, nav.longitude, Number(tpv, "lon"), 1e-7);
    }
    if (gga && a.Has(8) && a.Has(10)) a.Check(kHeight, nav.altitude, Number(tpv, "altHAE"), 0.01);
}

void CompareSatellites(Aftermath& a, const Json& list) {
    const SatelliteTable& table = a.ours.sat.satellites;
    const auto rows = table.begin() + std::clamp(a.ours.sat.satellitesInView, 0, kMaxSatellites);
    const auto gps = [](const Json& sv) { return Number(sv, "gnssid").value_or(0) == 0; };
    // Every GPS satellite gpsd lists must be in our rows...
    for (const Json& sv : list) {
        const int id = static_cast<int>(Number(sv, "svid").value_or(0));
        if (gps(sv) && id >= 1 && id <= kMaxPrn)
            a.Check(kSatellite,
                    std::any_of(table.begin(), rows, [&](auto& r) { return r.prn == id; }), 1, 0,
                    std::string("PRN ").append(std::to_string(id)).append(" missing, ours"));
    }
    // ... and each of our GPS rows must match gpsd's entry (several: one per signal).
    for (auto row = table.begin(); row != rows; ++row) {
        const auto same = [&](const Json& sv) { return gps(sv) && Number(sv, "svid") == row->prn; };
        const auto entries = std::count_if(list.begin(), list.end(), same);
        if (row->prn < 1 || row->prn > kMaxPrn || entries > 1) continue;
        const std::string prn = std::string("PRN ").append(std::to_string(row->prn));
        a.Check(kSatellite, entries, 1, 0, prn + " in SKY");
        if (entries == 0) continue;
        const Json& sv = *std::find_if(list.begin(), list.end(), same);
        a.Check(kSatellite, row->elevation, Number(sv, "el"), 0, prn + " el");
        a.Check(kSatellite, row->azimuth, Number(sv, "az"), 0, prn + " az");
        a.Check(kSatellite, row->snr, Number(sv, "ss").value_or(0), 0, prn + " ss");
    }
}

void CompareAftermath(Aftermath& a, const std::vector<Json>& reports) {
    const std::string_view s = a.sentence;
    const std::string_view address = s.substr(1, s.find(',') - 1);
    const std::string_view type = address.size() == 5 ? address.substr(2) : address;
    const bool pashr = address == "PASHR", gsa = type == "GSA";
    // PDOP, HDOP and VDOP follow each other; gpsd prints two decimals.
    const size_t firstDop = gsa ? 14 : pashr && a.Field(0) == "POS" ? 13 : 0;
    const DopGroup& dop = a.ours.dop;
    for (const Json& report : reports) {
        const std::string kind = report.value("class", std::string());
        if (kind == "TPV" && (type == "GGA" || (type == "RMC" && a.Field(1) == "A")))
            ComparePosition(a, type == "GGA", report);
        const std::string_view sent = gsa ? a.Field(1) : "";
        const auto mode = Number(report, "mode");
        if (kind == "TPV" && (sent == "1" || sent == "2" || sent == "3") && mode >= 1.0)
            a.Check(kMode, dop.fixMode, sent == "2" && dop.fixMode == 2 && mode == 3.0 ? 2 : mode);
        const std::pair<const char*, double> dops[] = {
            {"pdop", dop.pdop}, {"hdop", dop.hdop}, {"vdop", dop.vdop}};
        for (size_t i = 0; kind == "SKY" && firstDop > 0 && i < 3; ++i)
            if (a.Has(firstDop + i))
                a.Check(kDop, dops[i].second, Number(report, dops[i].first), 0.005 + 1e-9,
                        dops[i].first);
        const auto list = report.find("satellites");
        if (kind == "SKY" && (a.ours.endsGpsGroup || (pashr && a.Field(0) == "SAT")) &&
            list != report.end() && list->is_array())
            CompareSatellites(a, *list);
    }
}

Tally CompareWithGpsd(const std::string& capture, const CaptureReceiver& ours) {
    Tally tally;
    const std::string chk = ReadFile(kCorpus / (capture + ".chk"));
    const std::vector<std::string_view> lines = SplitAt(chk, '\n');
    constexpr size_t kLookAhead = 64; // far enough for our extras, too short to pair repeats
    size_t next = 0;                  // first of our sentences not yet paired
    for (size_t i = 0; i < lines.size(); ++i) {
        // As our observer shows the sentence: no line end, no checksum.
        std::string_view body = lines[i].substr(0, lines[i].find_last_not_of('\r') + 1);
        if (body.empty() || body[0] != '$') continue;
        if (body.size() >= 3 && body[body.size() - 3] == '*') body.remove_suffix(3);
        size_t at = next;
        const size_t stop = std::min(ours.seen.size(), next + kLookAhead);
        while (at < stop && ours.seen[at].text != body)
            ++at;
        if (at == stop) {
            if (body.find(',') <= NmeaFramer::kMaxAddress + 1) {
                ++tally.gpsdOnly;
                tally.Note(std::string("not accepted: ").append(body));
            }
            continue;
        }
        std::vector<Json> reports;
        for (size_t j = i + 1; j < lines.size() && lines[j].starts_with('{'); ++j)
            if (Json v = Json::parse(lines[j], nullptr, false); !v.is_discarded())
                reports.push_back(std::move(v));
        next = at + 1;
        ++tally.matched;
        Aftermath a{ours.seen[at], body, SplitAt(body.substr(body.find(',') + 1), ','), tally};
        CompareAftermath(a, reports);
    }
    return tally;
}

// Every capture: fed in pieces of any size it gives exactly what feeding it
// whole does, and it agrees with gpsd. All together they compare thousands of
// members, which guards against a comparison that quietly stops comparing.
TEST(Corpus, PiecewiseFeedingMatchesWholeFeedingAndAgreesWithGpsd) {
    if (!fs::is_directory(kCorpus)) GTEST_SKIP() << "no capture corpus at " << kCorpus;
    std::vector<std::string> captures;
    for (const auto& entry : fs::directory_iterator(kCorpus))
        if (entry.path().extension() == ".log") captures.push_back(entry.path().filename());
    std::sort(captures.begin(), captures.end());
    Tally all;
    for (const std::string& capture : captures) {
        SCOPED_TRACE(capture);
        const std::string raw = ReadFile(kCorpus / capture);
        CaptureReceiver whole;
        whole.Feed(raw, [&] { return raw.size(); });
        ASSERT_GT(whole.state.GetSentenceCount() + whole.framer.Dropped(), 0u);
        const auto expected = whole.Outcome();
        std::mt19937 rng(20240611);
        const std::pair<const char*, std::function<size_t()>> pieces[] = {
            {"random 1..97 bytes", [&] { return 1 + rng() % 97; }},
            {"single bytes", [] { return size_t{1}; }},
        };
        for (const auto& [label, pieceSize] : pieces) {
            CaptureReceiver split;
            split.Feed(raw, pieceSize);
            for (size_t i = 0; i < std::min(split.seen.size(), whole.seen.size()); ++i)
                ASSERT_EQ(split.seen[i].text, whole.seen[i].text) << label << ", sentence " << i;
            EXPECT_TRUE(split.Outcome() == expected) << label;
        }

        const Tally t = CompareWithGpsd(capture, whole);
        SCOPED_TRACE(t.Describe());
        EXPECT_EQ(t.gpsdOnly, kGpsdOnly.contains(capture) ? kGpsdOnly.at(capture) : 0);
        all.matched += t.matched;
        for (int m = 0; m < kMembers; ++m) {
            EXPECT_EQ(t.differing[m], 0) << kMemberNames[m];
            all.compared[m] += t.compared[m];
        }
    }
    std::printf("%s\n", all.Describe().c_str());
    EXPECT_GT(all.matched, 10000);
    for (int m = 0; m < kMembers; ++m)
        EXPECT_GE(all.compared[m], 50) << kMemberNames[m];
    EXPECT_GT(all.compared[kSatellite], 5000);
}

} // namespace
