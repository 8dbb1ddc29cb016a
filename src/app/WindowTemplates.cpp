#include "app/WindowTemplates.h"

#include "app/AppContext.h"
#include "app/WindowManager.h"
#include "views/signal/SignalQualityTemplate.h"

void RegisterWindowTemplates(WindowManager& windows, AppContext& context) {
    windows.AddTemplate(MakeSignalQualityTemplate(context));
}
