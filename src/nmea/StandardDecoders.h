#pragma once

class NmeaFields;
class ReceiverState;

// Decoders of the standard sentences. The dispatcher has already checked the
// enable flag; each decoder takes its group lock for its whole run and does
// nothing when the lock cannot be had.
void DecodeGGA(ReceiverState& state, const NmeaFields& f);
void DecodeGSA(ReceiverState& state, const NmeaFields& f);
void DecodeGSV(ReceiverState& state, const NmeaFields& f);
void DecodeRMC(ReceiverState& state, const NmeaFields& f);
void DecodeRRE(ReceiverState& state, const NmeaFields& f);
