// Random bytes in random chunks through the framer and every decoder, with the
// echoes and all accessors exercised. Checks invariants the views rely on.

#include "nmea/DecodeSettings.h"
#include "nmea/EchoSinks.h"
#include "nmea/NmeaFields.h"
#include "nmea/NmeaFramer.h"
#include "nmea/ReceiverState.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

struct CountingSink : MonitorSink, LogSink {
    size_t bytes = 0;
    void AppendText(std::string_view text, int) override { bytes += text.size(); }
    void Write(std::string_view text) override { bytes += text.size(); }
};

void Check(bool ok) {
    if (!ok) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (size < 2) return 0;
    // The first byte picks the settings, the second the chunk size.
    DecodeSettings settings;
    settings.useRMC = bytes[0] & 1;
    settings.ignoreChecksum = (bytes[0] >> 1) & 1;
    const size_t chunk = 1 + bytes[1] % 97;
    const std::string_view input(reinterpret_cast<const char*>(bytes + 2), size - 2);

    ReceiverState state;
    NmeaFramer framer(state, settings);
    CountingSink sink;
    framer.SetMonitor(&sink);
    if (bytes[0] & 4) framer.SetLog(&sink);
    framer.SetObserver([](std::string_view address, std::string_view data) {
        Check(address.size() <= NmeaFramer::kMaxAddress);
        Check(data.size() <= NmeaFramer::kMaxData);
        char field[NmeaFields::kMaxFieldLength + 1];
        for (int n = 0; n < 4; ++n)
            Check(GetField(data, n, field) <= data.size());
    });
    for (size_t at = 0; at < input.size(); at += chunk)
        framer.Feed(input.substr(at, chunk));

    // Chunking must not change anything: the same bytes fed whole give the
    // same state and the same echo.
    ReceiverState whole;
    NmeaFramer wholeFramer(whole, settings);
    CountingSink wholeSink;
    wholeFramer.SetMonitor(&wholeSink);
    if (bytes[0] & 4) wholeFramer.SetLog(&wholeSink);
    wholeFramer.Feed(input);
    Check(state.CopyNav() == whole.CopyNav());
    Check(state.CopySat() == whole.CopySat());
    Check(state.CopyDop() == whole.CopyDop());
    Check(state.CopyClock() == whole.CopyClock());
    Check(sink.bytes == wholeSink.bytes);
    Check(state.GetSentenceCount() == whole.GetSentenceCount());

    Check(state.TakeReplies().size() <= kMaxQueuedReplies);
    const int inView = state.GetSatellitesInView();
    SatelliteTable table;
    state.CopySatelliteTable(table);
    for (int i = 0; i < std::min(inView, kMaxSatellites); ++i)
        Check(table[i].usedInFix <= 1);
    return 0;
}
