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

#include "support/CaptureReplay.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <functional>
#include <random>

namespace {

using Json = nlohmann::json;

std::optional<double> Number(const Json& object, const char* key) {
    const auto it = object.find(key);
    if (it == object.end() || !it->is_number()) return std::nullopt;
    return it->get<double>();
}

std::string Text(const Json& object, const char* key) {
    const auto it = object.find(key);
    return it != object.end() && it->is_string() ? it->get<std::string>() : std::string();
}

namespace fs = std::filesystem;

struct Capture {
    const char* name;
    int gpsdOnly; // .chk sentences we do not accept, beyond 7-letter addresses
    const char* note;
};

// clang-format off
const Capture kCaptures[] = {
    {"GPSmap-76S.log", 0, "simulator fix (GGA quality 8); 1 void RMC"},
    {"ac12.log", 0, "SBAS PRNs 33/35 in GPGSV are outside 1-32"},
    {"ac12_binary.log", 0, "binary $PASHR,MCA/PBN records are skipped by both; POS and SAT compared"},
    {"beidou-bd.log", 0, "12 PSRFEPE/PSRF151 (7 letters); BDGSV tables not comparable; 5 void RMC"},
    {"beidou-gb.log", 0, "5 PSRFEPE (7 letters); GBGSV tables not comparable; 3 void RMC"},
    {"bu353-glonass.log", 0, "GLGSV tables not comparable"},
    {"cat-ms352.log", 0, ""},
    {"com-1289.log", 0, "the bad-checksum sentence is dropped by both"},
    {"eXplorist210.log", 0, "4 GGA without geoid separation: altHAE is gpsd's model"},
    {"ericsson-gru04-02-70sec.log", 0, "213 PTNLRBA/RTP/RXO (7 letters); only 2 GGA"},
    {"firefly-II.log", 0, "every GGA has a wrong checksum, dropped by both: RMC only"},
    {"furuno_gl_ga.log", 0, "114 PERD* (7 letters); GLGSV/GAGSV tables not comparable"},
    {"garmin-geko201.log", 0, "1 void RMC; the bad-checksum sentence is dropped by both"},
    {"garmin15x.log", 0, ""},
    {"garmin25lp.log", 0, "10 void RMC; 9 GSA 2D fixes reported 3D by gpsd"},
    {"gp-320fw-2019-04-06-overflow.log", 0, ""},
    // Three sentences start inside truncated ones ("...,270,$GPRMC,..."):
    // gpsd starts over at the '$', for us it is data and the checksum fails.
    {"gp-320fw-2019-04-07-coldboot.log", 3, "13 void RMC (gpsd keeps an older time)"},
    {"haicom-305N.log", 0, "6 void RMC; 1 GSA 2D fix reported 3D"},
    // No checksums and LF line ends: no sentence ever ends for us (all
    // dropped at the length limit); gpsd ignores them, its .chk is empty.
    {"hp58534a.log", 0, "nothing to compare: only the piecewise feeding check applies"},
    // $PTNTA was injected into a GPGSV; gpsd recovers both, we reject the
    // mixture on its checksum, and that GPGSV group is not compared.
    {"isync.log", 2, ""},
    {"magellan-ec10.log", 0, "17 void RMC"},
    {"meinberg-gps164.log", 0, "20 void RMC (gpsd keeps the last valid time)"},
    // $POLYN lines have no checksum and end in LF, so one runs on into the
    // GGA after it and both fail the checksum.
    {"mtk-3301.log", 1, "12 PMTK010/PMTKCHN (7 letters); GSV entries without elevation/azimuth"},
    {"myguide-3100.log", 0, "GSV entries with elevation but no azimuth; 11 GGA without geoid"},
    {"navika-100-fix.log", 0, ""},
    {"neo-m8n.log", 0, "GLGSV tables not comparable"},
    {"nmea-rtk.log", 0, ""},
    {"polarx2.log", 0, ""},
    {"quectel-eg25-g.log", 0, "37 void RMC; 33 GSA before any fix (gpsd mode 0); GL/GA/PQ GSV"},
    {"quectel-l76k-nmea.log", 0, "BDGSV/GLGSV tables not comparable"},
    {"quectelLC79D.log", 0, "multi-signal GPGSV: repeated satellites passed over; 1 GGA without geoid"},
    {"rst39.log", 0, "attitude $PASHR (gpsd ATT) must leave our state alone; 39 GGA without geoid"},
    // The $GPTXT banner has no checksum and runs on into the first RMC.
    {"sl869.log", 1, "7 void RMC; 6 GSA 2D fixes reported 3D; QZGSV/GLGSV not comparable"},
    {"skytraq-dgps.log", 0, "BDGSV tables not comparable"},
    {"skytraq.log", 0, "no fix yet: 1 void RMC"},
    {"st-teseo-liv3f.log", 0, "29 PSTMCPU (7 letters); GLGSV tables not comparable"},
    // Every sentence starts "$$": gpsd reads it as one '$'; for us the second
    // '$' is part of the address and the checksum, so nothing is accepted.
    {"st-teseo-liv4f.log", 301, "nothing accepted, nothing compared; 28 PSTM* (7+ letters)"},
    {"telit-pls83-w.log", 0, "CR CR LF line ends; 50 GSA 2D fixes reported 3D"},
    {"ublox-neo-m9n-nmea.log", 0, "GL/GA/GB GSV tables not comparable"},
    {"ublox-zed-f9p-nmea.log", 0, "every GPGSV group twice, per signal: those satellites passed over"},
    {"unicore-um621.log", 0, "21 SNRSTAT/PDTINFO (7 letters); 16 GGA without geoid; 4 void RMC"},
    {"venus634lp.log", 0, "banner lines without checksum: ours only"},
};
// clang-format on

const fs::path kCorpus = HV_CORPUS_DIR;

class CorpusCapture : public testing::TestWithParam<Capture> {
protected:
    void SetUp() override {
        if (!fs::is_directory(kCorpus)) GTEST_SKIP() << "no capture corpus at " << kCorpus;
    }
};

void PrintTo(const Capture& capture, std::ostream* out) {
    *out << capture.name;
}

std::string CaptureName(const testing::TestParamInfo<Capture>& info) {
    std::string name = info.param.name;
    name.resize(name.size() - 4); // ".log"
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
    return name;
}

TEST_P(CorpusCapture, PiecewiseFeedingMatchesWholeFeeding) {
    const std::string raw = ReadWholeFile(kCorpus / GetParam().name);
    ASSERT_FALSE(raw.empty());
    CaptureReceiver whole(false);
    whole.Feed(raw, [&] { return raw.size(); });
    ASSERT_GT(whole.state.GetSentenceCount() + whole.framer.Dropped(), 0u);

    std::mt19937 rng(20240611);
    const std::pair<const char*, std::function<size_t()>> pieces[] = {
        {"random 1..97 bytes", [&] { return 1 + rng() % 97; }},
        {"single bytes", [] { return size_t{1}; }},
    };
    for (const auto& [label, pieceSize] : pieces) {
        SCOPED_TRACE(label);
        CaptureReceiver split(false);
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

// ---- agreement with gpsd ----------------------------------------------------

enum Member { kTime, kLatLon, kHeight, kMode, kDop, kSatellite, kUntouched, kMembers };
constexpr const char* kMemberNames[kMembers] = {"time", "lat/lon",   "altHAE",   "mode",
                                                "DOP",  "satellite", "untouched"};

struct Tally {
    int matched = 0;
    int gpsdOnly = 0;      // .chk sentences none of ours matched
    int longAddresses = 0; // of those, the ones with 7+ letter addresses
    std::array<int, kMembers> compared{};
    std::array<int, kMembers> differing{};
    std::vector<std::string> notes; // the first differences, for the failure message

    void Check(Member m, bool agree, double ours, double theirs, std::string_view what,
               std::string_view sentence) {
        ++compared[m];
        if (agree) return;
        ++differing[m];
        if (notes.size() >= 12) return;
        char values[80];
        std::snprintf(values, sizeof values, ": ours %.9g, gpsd %.9g in ", ours, theirs);
        notes.push_back(std::string(kMemberNames[m]) + " " + std::string(what) + values +
                        std::string(sentence));
    }
};

std::string Describe(const Tally& t) {
    std::string text = "matched " + std::to_string(t.matched) + ", gpsd only " +
                       std::to_string(t.gpsdOnly) + " (+" + std::to_string(t.longAddresses) +
                       " with long addresses)";
    for (int m = 0; m < kMembers; ++m)
        text += std::string(", ") + kMemberNames[m] + " " + std::to_string(t.differing[m]) + "/" +
                std::to_string(t.compared[m]);
    for (const std::string& n : t.notes)
        text += "\n  " + n;
    return text;
}

// One accepted sentence with its fields, and our state right after it.
struct Aftermath {
    const SeenSentence& ours;
    std::string_view sentence;
    std::vector<std::string_view> fields;
    Tally& tally;

    bool Has(size_t n) const { return n < fields.size() && !fields[n].empty(); }
    std::string_view Field(size_t n) const { return n < fields.size() ? fields[n] : ""; }
    void Check(Member m, bool agree, double mine, double theirs, std::string_view what = {}) {
        tally.Check(m, agree, mine, theirs, what, sentence);
    }
    void Near(Member m, double mine, double theirs, double tolerance, std::string_view what = {}) {
        Check(m, std::fabs(mine - theirs) <= tolerance, mine, theirs, what);
    }
};

void ComparePosition(Aftermath& a, bool gga, const Json& tpv) {
    if (!gga && a.Field(1) != "A") return;
    const NavGroup& nav = a.ours.nav;
    int h = 0, m = 0, s = 0;
    const std::string time = Text(tpv, "time");
    const size_t t = time.find('T');
    if (a.Has(0) && t != std::string::npos &&
        std::sscanf(time.c_str() + t + 1, "%d:%d:%d", &h, &m, &s) == 3)
        a.Check(kTime, h == nav.hour && m == nav.minute && s == nav.second,
                nav.hour * 10000 + nav.minute * 100 + nav.second, h * 10000 + m * 100 + s);
    const size_t lat = gga ? 1 : 2;
    if (a.Has(lat) && a.Has(lat + 2)) {
        if (const auto v = Number(tpv, "lat")) a.Near(kLatLon, nav.latitude, *v, 1e-7);
        if (const auto v = Number(tpv, "lon")) a.Near(kLatLon, nav.longitude, *v, 1e-7);
    }
    if (gga && a.Has(8) && a.Has(10))
        if (const auto v = Number(tpv, "altHAE")) a.Near(kHeight, nav.altitude, *v, 0.01);
}

void CompareFixMode(Aftermath& a, const Json& tpv) {
    const auto mode = Number(tpv, "mode");
    const std::string_view sent = a.Field(1);
    if (!mode || *mode < 1 || (sent != "1" && sent != "2" && sent != "3")) return;
    const int ours = a.ours.dop.fixMode;
    a.Check(kMode, ours == *mode || (sent == "2" && ours == 2 && *mode == 3), ours, *mode);
}

// PDOP, HDOP and VDOP are fields first .. first+2; gpsd prints two decimals.
void CompareDops(Aftermath& a, size_t first, const Json& sky) {
    const DopGroup& dop = a.ours.dop;
    const std::pair<const char*, double> dops[] = {
        {"pdop", dop.pdop}, {"hdop", dop.hdop}, {"vdop", dop.vdop}};
    for (size_t i = 0; i < 3; ++i)
        if (const auto v = Number(sky, dops[i].first); v && a.Has(first + i))
            a.Near(kDop, dops[i].second, *v, 0.005 + 1e-9, dops[i].first);
}

void CompareSatellites(Aftermath& a, const Json& sky) {
    const auto list = sky.find("satellites");
    if (list == sky.end() || !list->is_array()) return;
    const SatelliteTable& table = a.ours.sat.satellites;
    const auto rows = table.begin() + std::clamp(a.ours.sat.satellitesInView, 0, kMaxSatellites);
    // Every GPS satellite gpsd lists must be in our rows...
    for (const Json& sv : *list) {
        const int id = static_cast<int>(Number(sv, "svid").value_or(0));
        if (Number(sv, "gnssid").value_or(0) != 0 || id < 1 || id > kMaxPrn) continue;
        const bool listed = std::any_of(table.begin(), rows, [&](auto& r) { return r.prn == id; });
        a.Check(kSatellite, listed, 0, id, "PRN missing from our rows");
    }
    // ... and each of our GPS rows must match gpsd's entry.
    for (auto row = table.begin(); row != rows; ++row) {
        if (row->prn < 1 || row->prn > kMaxPrn) continue;
        std::vector<const Json*> found;
        for (const Json& sv : *list)
            if (Number(sv, "gnssid").value_or(0) == 0 && Number(sv, "svid") == row->prn)
                found.push_back(&sv);
        const std::string prn = "PRN " + std::to_string(row->prn);
        if (found.size() != 1) {
            if (found.empty()) a.Check(kSatellite, false, row->prn, 0, prn + " not in SKY");
            continue;
        }
        const std::pair<const char*, int> members[] = {
            {"el", row->elevation}, {"az", row->azimuth}, {"ss", row->snr}};
        for (const auto& [key, mine] : members) {
            const auto given = Number(*found[0], key);
            if (given || key[0] == 's')
                a.Check(kSatellite, mine == given.value_or(0), mine, given.value_or(0),
                        prn + " " + key);
        }
    }
}

void CompareAftermath(Aftermath& a, const SeenSentence* before, const std::vector<Json>& reports) {
    const std::string_view s = a.sentence;
    const std::string_view address = s.substr(1, s.find(',') - 1);
    const std::string_view type = address.size() == 5 ? address.substr(2) : address;
    const bool pashr = address == "PASHR";
    if (pashr && a.Field(0) != "POS" && a.Field(0) != "SAT" && before)
        a.Check(kUntouched,
                a.ours.nav == before->nav && a.ours.dop == before->dop && a.ours.sat == before->sat,
                1, 0);
    for (const Json& report : reports) {
        const std::string kind = Text(report, "class");
        if (kind == "TPV" && (type == "GGA" || type == "RMC"))
            ComparePosition(a, type == "GGA", report);
        if (kind == "TPV" && type == "GSA") CompareFixMode(a, report);
        if (kind == "SKY" && type == "GSA") CompareDops(a, 14, report);
        if (kind == "SKY" && pashr && a.Field(0) == "POS") CompareDops(a, 13, report);
        if (kind == "SKY" && (a.ours.endsGpsGroup || (pashr && a.Field(0) == "SAT")))
            CompareSatellites(a, report);
    }
}

// A .chk sentence line as our observer shows the sentence: no line end, no checksum.
std::string_view Body(std::string_view line) {
    while (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.size() >= 3 && line[line.size() - 3] == '*') line.remove_suffix(3);
    return line;
}

Tally CompareWithGpsd(const Capture& capture) {
    Tally tally;
    CaptureReceiver ours(true);
    ours.Feed(ReadWholeFile(kCorpus / capture.name), [] { return size_t{4096}; });

    const std::string chk = ReadWholeFile(kCorpus / (std::string(capture.name) + ".chk"));
    const std::vector<std::string_view> lines = SplitAt(chk, '\n');
    constexpr size_t kLookAhead = 64; // far enough for our extras, too short to pair repeats
    size_t next = 0;                  // first of our sentences not yet paired
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty() || lines[i][0] != '$') continue;
        const std::string_view body = Body(lines[i]);
        size_t at = next;
        const size_t stop = std::min(ours.seen.size(), next + kLookAhead);
        while (at < stop && ours.seen[at].text != body)
            ++at;
        if (at == stop) {
            const bool longAddress = body.find(',') > NmeaFramer::kMaxAddress + 1;
            ++(longAddress ? tally.longAddresses : tally.gpsdOnly);
            if (!longAddress && tally.notes.size() < 12)
                tally.notes.push_back("not accepted: " + std::string(body));
            continue;
        }
        std::vector<Json> reports;
        for (size_t j = i + 1; j < lines.size() && lines[j].starts_with('{'); ++j)
            if (Json v = Json::parse(lines[j], nullptr, false); !v.is_discarded())
                reports.push_back(std::move(v));
        next = at + 1;
        ++tally.matched;
        Aftermath a{ours.seen[at], body, SplitAt(body.substr(body.find(',') + 1), ','), tally};
        CompareAftermath(a, at > 0 ? &ours.seen[at - 1] : nullptr, reports);
    }
    return tally;
}

TEST_P(CorpusCapture, AgreesWithGpsdOnWhatTheSentencesCarry) {
    const Capture& capture = GetParam();
    const Tally tally = CompareWithGpsd(capture);
    SCOPED_TRACE(Describe(tally));
    EXPECT_EQ(tally.gpsdOnly, capture.gpsdOnly);
    for (int m = 0; m < kMembers; ++m)
        EXPECT_EQ(tally.differing[m], 0) << kMemberNames[m];
}

INSTANTIATE_TEST_SUITE_P(Captures, CorpusCapture, testing::ValuesIn(kCaptures), CaptureName);

TEST(Corpus, TableListsEveryCapture) {
    if (!fs::is_directory(kCorpus)) GTEST_SKIP() << "no capture corpus at " << kCorpus;
    std::vector<std::string> onDisk, listed;
    for (const auto& entry : fs::directory_iterator(kCorpus))
        if (entry.path().extension() == ".log") onDisk.push_back(entry.path().filename());
    for (const Capture& c : kCaptures)
        listed.push_back(c.name);
    std::sort(onDisk.begin(), onDisk.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(onDisk, listed);
}

// Guards against a comparison that quietly stops comparing.
TEST(Corpus, ComparesThousandsOfMembers) {
    if (!fs::is_directory(kCorpus)) GTEST_SKIP() << "no capture corpus at " << kCorpus;
    Tally all;
    for (const Capture& c : kCaptures) {
        const Tally t = CompareWithGpsd(c);
        all.matched += t.matched;
        all.gpsdOnly += t.gpsdOnly;
        all.longAddresses += t.longAddresses;
        for (int m = 0; m < kMembers; ++m) {
            all.compared[m] += t.compared[m];
            all.differing[m] += t.differing[m];
        }
    }
    std::printf("%s\n", Describe(all).c_str());
    EXPECT_GT(all.matched, 10000);
    for (int m = 0; m < kMembers; ++m)
        EXPECT_GE(all.compared[m], 50) << kMemberNames[m];
    EXPECT_GT(all.compared[kSatellite], 5000);
}

} // namespace
