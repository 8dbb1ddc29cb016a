#pragma once

#include <span>
#include <string_view>

struct DecodeSettings;
class ReceiverState;

// Chooses a decoder by the sentence's address. Runs on the receive thread.
class SentenceDispatcher {
public:
    SentenceDispatcher(ReceiverState& state, const DecodeSettings& settings)
        : state(state), settings(settings) {}

    // `data` may be changed by a decoder (a rejected POLYP fix) before it is
    // echoed; its length stays the same. True when it was changed.
    bool DispatchSentence(std::string_view address, std::span<char> data);

private:
    ReceiverState& state;
    const DecodeSettings& settings;
};
