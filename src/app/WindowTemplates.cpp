#include "app/WindowTemplates.h"

#include "app/AppContext.h"
#include "app/WindowManager.h"
#include "views/monitor/CommandMonitorTemplate.h"
#include "views/navigation/NavigationTemplate.h"
#include "views/signal/SignalQualityTemplate.h"
#include "views/skyplot/SkyPlotTemplate.h"
#include "views/ttff/TtffTemplate.h"

void RegisterWindowTemplates(WindowManager& windows, AppContext& context,
                             TtffModeQuestion askTtffMode) {
    windows.AddTemplate(MakeSignalQualityTemplate(context));
    windows.AddTemplate(MakeSkyPlotTemplate(context));
    windows.AddTemplate(MakeNavigationTemplate(context));
    windows.AddTemplate(MakeCommandMonitorTemplate(context));
    windows.AddTemplate(MakeTtffTemplate(context, std::move(askTtffMode)));
}
