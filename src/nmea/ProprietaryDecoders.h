#pragma once

#include <span>

class NmeaFields;
class ReceiverState;

// Decoders of the receiver's own sentences. Flags are checked by the
// dispatcher; POLYN, POLYI and PASHR have none.
void DecodePOLYA(ReceiverState& state, const NmeaFields& f);
// May rewrite the navigation status in `data` to NF when the fix is rejected,
// so that the echo shows what was decided.
// True when it marked a rejected fix NF in `data`.
bool DecodePOLYP(ReceiverState& state, const NmeaFields& f, std::span<char> data);
void DecodePOLYS(ReceiverState& state, const NmeaFields& f);
void DecodePOLYT(ReceiverState& state, const NmeaFields& f);
void DecodePOLYN(ReceiverState& state, const NmeaFields& f);
void DecodePOLYI(ReceiverState& state, std::string_view data);
void DecodePASHR(ReceiverState& state, const NmeaFields& f);
