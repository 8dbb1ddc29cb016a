#include "app/WindowTemplates.h"

#include "app/AppContext.h"
#include "app/WindowManager.h"

void RegisterWindowTemplates(WindowManager& windows, AppContext& context) {
    (void)windows;
    (void)context;
}
