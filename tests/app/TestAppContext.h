#pragma once

// What a window gets from the application, for tests: a receiver state to
// fill, an in-memory profile, recorders in place of message boxes and
// dialogs, and a receive thread (not started) on a closed port.
#include "app/AppContext.h"
#include "app/TestDocument.h"
#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"
#include "nmea/DecodeSettings.h"
#include "nmea/ReceiverState.h"
#include "profile/MemoryProfileStore.h"
#include "survey/TruthPosition.h"
#include "ttff/TtffMilestones.h"

struct TestAppContext {
    ReceiverState state;
    MemoryProfileStore profile;
    RecordingSink sink;
    ScriptedPrompts prompts;
    DecodeSettings decode;
    CReceiverPort port{sink};
    ReceiveThread receiver{state, port, decode, sink};
    TtffSettings ttff;
    TruthPosition truth;
    AppContext context{state, profile, {sink, prompts}, port, receiver, ttff, truth};
};
