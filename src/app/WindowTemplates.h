#pragma once

struct AppContext;
class WindowManager;

// Registers the template of every window type this build has, in the order
// the types are listed in the window table.
void RegisterWindowTemplates(WindowManager& windows, AppContext& context);
