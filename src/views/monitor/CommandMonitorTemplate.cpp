#include "views/monitor/CommandMonitorTemplate.h"

#include "views/monitor/CCommandMonitorDoc.h"
#include "views/monitor/CCommandMonitorView.h"

DocumentTemplate MakeCommandMonitorTemplate(AppContext& context) {
    return DocumentTemplate(
        WindowType::CommandMonitor,
        [&context](DocumentServices services) {
            return std::make_unique<CCommandMonitorDoc>(context, services);
        },
        [](CDocument& document) -> QWidget* {
            return new CCommandMonitorView(static_cast<CCommandMonitorDoc&>(document));
        });
}
