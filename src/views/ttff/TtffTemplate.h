#pragma once

#include "app/AppContext.h"
#include "app/DocumentTemplate.h"

#include <functional>

struct TtffSettings;

// Asks which test to run before a TTFF window opens; false opens none.
using TtffModeQuestion = std::function<bool(TtffSettings& settings)>;

// The mode dialog, as the application asks.
bool AskTtffMode(TtffSettings& settings);

// The TTFF window: the results document and the view that runs the test.
// Every way of opening it asks `askMode` first.
DocumentTemplate MakeTtffTemplate(AppContext& context, TtffModeQuestion askMode = AskTtffMode);
