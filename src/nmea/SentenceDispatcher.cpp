#include "nmea/SentenceDispatcher.h"

#include "nmea/DecodeSettings.h"
#include "nmea/FieldConversions.h"
#include "nmea/NmeaFields.h"
#include "nmea/ProprietaryDecoders.h"
#include "nmea/ReceiverState.h"
#include "nmea/StandardDecoders.h"

#include <string>

namespace {

bool IsRecognisedOnly(std::string_view type) {
    return type == "VTG" || type == "GLL" || type == "ZDA" || type == "GRS" || type == "GST";
}

// Replies to configuration commands are queued as "$ADDRESS,data".
void QueueReply(ReceiverState& state, std::string_view address, std::string_view data) {
    std::string reply;
    reply.reserve(address.size() + data.size() + 2);
    reply.append("$").append(address).append(",").append(data.substr(0, data.find('\0')));
    state.PostReply(reply);
}

// A position sentence ends with its epoch entered in the fix ring; its time
// of day (field n) names the epoch, fraction included, so 10 Hz fixes within
// one second stay apart.
void RecordFix(ReceiverState& state, const NmeaFields& f, int n) {
    const std::string_view time = f.Get(n);
    state.RecordFix(time.empty() ? std::nullopt : std::optional<double>(ParseReal(time)));
}

} // namespace

bool SentenceDispatcher::DispatchSentence(std::string_view address, std::span<char> data) {
    const std::string_view text(data.data(), data.size());
    const auto on = [](const std::atomic<int>& flag) { return DecodeSettings::On(flag); };
    // The talker (first two characters) is not looked at for standard sentences.
    const std::string_view type = address.size() >= 3 ? address.substr(2) : std::string_view{};

    if (type == "GGA") {
        if (!on(settings.useGGA)) return false;
        const NmeaFields f(text);
        DecodeGGA(state, f);
        RecordFix(state, f, 0);
    } else if (type == "GSA") {
        if (!on(settings.useGSA)) return false;
        DecodeGSA(state, NmeaFields(text));
        state.RefreshFix();
    } else if (type == "GSV") {
        if (on(settings.useGSV)) DecodeGSV(state, NmeaFields(text));
    } else if (type == "RMC") {
        if (!on(settings.useRMC)) return false;
        const NmeaFields f(text);
        DecodeRMC(state, f);
        RecordFix(state, f, 0);
    } else if (IsRecognisedOnly(type)) {
    } else if (type == "RRE") {
        DecodeRRE(state, NmeaFields(text));
        state.RefreshFix();
    } else if (address == "POLYA") {
        if (!on(settings.usePOLYA)) return false;
        const NmeaFields f(text);
        DecodePOLYA(state, f);
        RecordFix(state, f, 0);
    } else if (address == "POLYP") {
        if (!on(settings.usePOLYP)) return false;
        const NmeaFields f(text);
        const bool rewritten = DecodePOLYP(state, f, data);
        RecordFix(state, f, 0);
        return rewritten;
    } else if (address == "POLYS") {
        if (on(settings.usePOLYS)) DecodePOLYS(state, NmeaFields(text));
    } else if (address == "POLYN") {
        DecodePOLYN(state, NmeaFields(text));
    } else if (address == "POLYT") {
        if (on(settings.usePOLYT)) DecodePOLYT(state, NmeaFields(text));
    } else if (address == "POLYI") {
        DecodePOLYI(state, text);
    } else if (address == "PSYMR" || address == "PZEKR" || address.substr(0, 5) == "PNMRX") {
        QueueReply(state, address, text);
    } else if (address == "PASHR") {
        const NmeaFields f(text);
        DecodePASHR(state, f);
        if (f.Get(0) == "POS") RecordFix(state, f, 3);
    }
    return false;
}
