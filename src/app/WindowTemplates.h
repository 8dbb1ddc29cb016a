#pragma once

#include "views/ttff/TtffTemplate.h"

struct AppContext;
class WindowManager;

// Registers the template of every window type this build has, in the order
// the types are listed in the window table. The TTFF window asks its mode
// through `askTtffMode`.
void RegisterWindowTemplates(WindowManager& windows, AppContext& context,
                             TtffModeQuestion askTtffMode = AskTtffMode);
