#include "ttff/TtffFiles.h"

#include "files/SafeFileWrite.h"
#include "ttff/TtffNumbers.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

// Times kept without a cap (shown times, acquisition times): ten days.
constexpr double kMaxSeconds = 864'000;

class Writer {
public:
    void F64(double v) { U64(std::bit_cast<uint64_t>(v)); }
    void I32(int32_t v) {
        const auto u = static_cast<uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8)
            bytes += static_cast<char>((u >> shift) & 0xFF);
    }
    template <size_t N>
    void Row(const std::array<double, N>& row) {
        for (double v : row)
            F64(v);
    }
    std::string bytes;

private:
    void U64(uint64_t u) {
        for (int shift = 0; shift < 64; shift += 8)
            bytes += static_cast<char>((u >> shift) & 0xFF);
    }
};

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes(bytes) {}
    double F64() { return std::bit_cast<double>(Unsigned(8)); }
    int32_t I32() { return static_cast<int32_t>(static_cast<uint32_t>(Unsigned(4))); }
    template <size_t N>
    void Row(std::array<double, N>& row) {
        for (double& v : row)
            v = F64();
    }

private:
    uint64_t Unsigned(size_t size) {
        uint64_t u = 0;
        for (size_t i = 0; i < size; ++i)
            u |= uint64_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
        at += size;
        return u;
    }
    std::string_view bytes;
    size_t at = 0;
};

// The rows in file order, for writing and reading alike.
template <typename Data, typename Visit>
void FixRows(Data& d, Visit visit) {
    for (auto* row : {&d.fixTime, &d.fixMin, &d.fixMax, &d.fixMean, &d.fixTotal})
        visit(*row);
}
template <typename Data, typename Visit>
void AcquisitionRows(Data& d, Visit visit) {
    for (auto* row : {&d.acqCep95, &d.acqCep68, &d.acqMin, &d.acqMax, &d.acqMaxAccuracy, &d.acqMean,
                      &d.acqTotal})
        visit(*row);
}

std::string Label(int milestone) {
    return std::string(kMilestoneLabels[static_cast<size_t>(milestone)]);
}

bool InRange(double v, double high) {
    return std::isfinite(v) && v >= 0 && v <= high;
}

// Empty when the histogram holds no negative bin and sums to `count`.
std::string CheckCount(const TtffHistogram& histogram, int64_t count, const std::string& what) {
    int64_t sum = 0;
    for (int32_t bin : histogram) {
        if (bin < 0) return what + " histogram has a negative bin";
        sum += bin;
    }
    if (count < 0 || count > kMaxResults)
        return what + " count " + std::to_string(count) + " is out of range";
    if (sum != count)
        return what + " count " + std::to_string(count) + " does not match its histogram (" +
               std::to_string(sum) + " results)";
    return {};
}

std::string CheckFix(const TtffData& d, int k) {
    const std::string what = Label(k);
    if (std::string error = CheckCount(d.fixHistogram[k], d.fixCount[k], what); !error.empty())
        return error;
    const bool ok = InRange(d.fixTime[k], kMaxSeconds) && InRange(d.fixMin[k], kMaxRecorded) &&
                    InRange(d.fixMax[k], kMaxRecorded) && InRange(d.fixMean[k], kMaxRecorded) &&
                    InRange(d.fixTotal[k], kMaxRecorded * d.fixCount[k]);
    return ok ? std::string() : what + " times are not finite or out of range";
}

std::string CheckAcquisition(const TtffData& d, int j) {
    const std::string what = Label(k3SV + j);
    int64_t count = 0;
    for (int32_t bin : d.accuracyHistogram[j])
        count += bin;
    if (std::string error = CheckCount(d.accuracyHistogram[j], count, what + " accuracy");
        !error.empty())
        return error;
    const bool ok = InRange(d.acqCep95[j], kMaxRecorded) && InRange(d.acqCep68[j], kMaxRecorded) &&
                    InRange(d.acqMaxAccuracy[j], kMaxRecorded) &&
                    InRange(d.acqMin[j], kMaxSeconds) && InRange(d.acqMax[j], kMaxSeconds) &&
                    InRange(d.acqMean[j], kMaxSeconds) &&
                    InRange(d.acqTotal[j], kMaxSeconds * static_cast<double>(count));
    return ok ? std::string() : what + " values are not finite or out of range";
}

std::string Check(const TtffData& d) {
    if (d.savedMode < kModeNone || d.savedMode > kModeCold)
        return "test mode " + std::to_string(d.savedMode) + " is not 0 to 3";
    for (int k = 0; k < kFixMilestones; ++k)
        if (std::string error = CheckFix(d, k); !error.empty()) return error;
    for (int j = 0; j < kAcquisitionMilestones; ++j)
        if (std::string error = CheckAcquisition(d, j); !error.empty()) return error;
    return {};
}

template <typename Value, typename Format>
std::string CsvRow(std::string label, const Value& row, Format format) {
    for (const auto& v : row)
        label.append(format(v)).append(",");
    return label + "\n";
}

std::string F(double v) {
    return FormatFixed(v, 6);
}

bool WriteText(const std::string& path, std::string_view text, std::string& error) {
    std::string reason;
    if (WriteFileSafely(path, text, reason)) return true;
    error = path + ": " + reason;
    return false;
}

std::string OptionalFixed(const std::optional<double>& v, int precision) {
    return v ? FormatFixed(*v, precision) : std::string();
}

} // namespace

std::string EncodeTtf(const TtffData& d) {
    Writer w;
    FixRows(d, [&](const auto& row) { w.Row(row); });
    for (int32_t count : d.fixCount)
        w.I32(count);
    w.I32(d.savedMode);
    AcquisitionRows(d, [&](const auto& row) { w.Row(row); });
    for (size_t bin = 0; bin < kHistogramBins; ++bin) {
        for (const TtffHistogram& h : d.fixHistogram)
            w.I32(h[bin]);
        for (const TtffHistogram& h : d.accuracyHistogram)
            w.I32(h[bin]);
    }
    return std::move(w.bytes);
}

TtfDecoded DecodeTtf(std::string_view bytes) {
    TtfDecoded out;
    if (bytes.size() < kTtfFileSize) {
        out.error = "not a TTFF results file: " + std::to_string(bytes.size()) +
                    " bytes where a .ttf file has " + std::to_string(kTtfFileSize);
        return out;
    }
    if (bytes.size() > kTtfFileSize) {
        out.error = "not a TTFF results file: longer than the " + std::to_string(kTtfFileSize) +
                    " bytes of a .ttf file";
        return out;
    }
    Reader r(bytes);
    TtffData& d = out.data;
    FixRows(d, [&](auto& row) { r.Row(row); });
    for (int32_t& count : d.fixCount)
        count = r.I32();
    d.savedMode = r.I32();
    AcquisitionRows(d, [&](auto& row) { r.Row(row); });
    for (size_t bin = 0; bin < kHistogramBins; ++bin) {
        for (TtffHistogram& h : d.fixHistogram)
            h[bin] = r.I32();
        for (TtffHistogram& h : d.accuracyHistogram)
            h[bin] = r.I32();
    }
    out.error = Check(d);
    out.ok = out.error.empty();
    if (!out.ok) out.data = {};
    return out;
}

bool ReadTtfFile(const std::string& path, TtffData& into, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    // One byte past the size is enough to know the file is too long.
    std::string bytes(kTtfFileSize + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        error = path + ": could not be read";
        return false;
    }
    bytes.resize(static_cast<size_t>(in.gcount()));
    TtfDecoded decoded = DecodeTtf(bytes);
    if (!decoded.ok) {
        error = path + ": " + decoded.error;
        return false;
    }
    into = decoded.data;
    return true;
}

bool WriteTtfFile(const std::string& path, const TtffData& data, std::string& error) {
    return WriteText(path, EncodeTtf(data), error);
}

std::string TtffCsvText(const TtffData& d) {
    const auto whole = [](int32_t v) { return FormatWhole(v); };
    std::string text = CsvRow("TTFF, ", d.fixTime, F) + CsvRow("MIN, ", d.fixMin, F) +
                       CsvRow("MAX, ", d.fixMax, F) + CsvRow("MEAN, ", d.fixMean, F) +
                       CsvRow("TOTAL,", d.fixTotal, F) + CsvRow("COUNT,", d.fixCount, whole);
    text += "TTFF Mode, " + FormatWhole(d.savedMode) + ",\n";
    text += "TTSA\n" + CsvRow("MIN,", d.acqMin, F) + CsvRow("MAX,", d.acqMax, F) +
            CsvRow("MEAN,", d.acqMean, F) + CsvRow("TOTAL,", d.acqTotal, F) +
            CsvRow("MAX  Acc,", d.acqMaxAccuracy, F) + CsvRow("CEP 95%,", d.acqCep95, F) +
            CsvRow("CEP 68%,", d.acqCep68, F);
    text += "\n2D 10km,2D  600m,2D 100m,3D 100m,2D 50m, 3D 50m, 3SV, 4SV, 5SV\n";
    for (size_t bin = 0; bin < kHistogramBins; ++bin) {
        for (const TtffHistogram& h : d.fixHistogram)
            text += FormatWhole(h[bin]) + ",";
        for (const TtffHistogram& h : d.accuracyHistogram)
            text += FormatWhole(h[bin]) + ",";
        text += "\n";
    }
    return text;
}

bool WriteTtffCsvFile(const std::string& path, const TtffData& data, std::string& error) {
    return WriteText(path, TtffCsvText(data), error);
}

std::string TtffRunsCsvText(const std::vector<TtffRunRecord>& runs) {
    std::string text = "n,mode";
    for (std::string_view label : kMilestoneLabels)
        text.append(",").append(label);
    for (int j = 0; j < kAcquisitionMilestones; ++j)
        text += "," + Label(k3SV + j) + " accuracy";
    text += ",timed out,failed\n";
    for (const TtffRunRecord& run : runs) {
        text += FormatWhole(run.n) + "," + std::string(TtffModeName(run.mode));
        for (const auto& time : run.times)
            text += "," + OptionalFixed(time, 3);
        for (const auto& accuracy : run.accuracies)
            text += "," + OptionalFixed(accuracy, 1);
        text += std::string(",") + (run.timedOut ? "1" : "0") + "," + (run.Failed() ? "1" : "0");
        text += "\n";
    }
    return text;
}

bool WriteTtffRunsCsvFile(const std::string& path, const std::vector<TtffRunRecord>& runs,
                          std::string& error) {
    return WriteText(path, TtffRunsCsvText(runs), error);
}

bool IsCsvPath(std::string_view path) {
    if (path.size() < 5) return false; // a name before the extension
    std::string end(path.substr(path.size() - 4));
    std::transform(end.begin(), end.end(), end.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return end == ".csv";
}
