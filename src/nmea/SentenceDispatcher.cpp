#include "nmea/SentenceDispatcher.h"

#include "nmea/DecodeSettings.h"
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

} // namespace

bool SentenceDispatcher::DispatchSentence(std::string_view address, std::span<char> data) {
    const std::string_view text(data.data(), data.size());
    const auto on = [](const std::atomic<int>& flag) { return DecodeSettings::On(flag); };
    // The talker (first two characters) is not looked at for standard sentences.
    const std::string_view type = address.size() >= 3 ? address.substr(2) : std::string_view{};

    if (type == "GGA") {
        if (on(settings.useGGA)) DecodeGGA(state, NmeaFields(text));
    } else if (type == "GSA") {
        if (on(settings.useGSA)) DecodeGSA(state, NmeaFields(text));
    } else if (type == "GSV") {
        if (on(settings.useGSV)) DecodeGSV(state, NmeaFields(text));
    } else if (type == "RMC") {
        if (on(settings.useRMC)) DecodeRMC(state, NmeaFields(text));
    } else if (IsRecognisedOnly(type)) {
    } else if (type == "RRE") {
        DecodeRRE(state, NmeaFields(text));
    } else if (address == "POLYA") {
        if (on(settings.usePOLYA)) DecodePOLYA(state, NmeaFields(text));
    } else if (address == "POLYP") {
        return on(settings.usePOLYP) && DecodePOLYP(state, NmeaFields(text), data);
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
        DecodePASHR(state, NmeaFields(text));
    }
    return false;
}
