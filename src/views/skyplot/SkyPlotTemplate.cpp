#include "views/skyplot/SkyPlotTemplate.h"

#include "app/AppContext.h"
#include "views/skyplot/CAzimuthElevationDoc.h"
#include "views/skyplot/CAzimuthElevationView.h"

DocumentTemplate MakeSkyPlotTemplate(AppContext& context) {
    return DocumentTemplate(
        WindowType::SkyPlot,
        [&context](DocumentServices services) {
            return std::make_unique<CAzimuthElevationDoc>(services, context.profile);
        },
        [&context](CDocument& document) -> QWidget* {
            auto& doc = static_cast<CAzimuthElevationDoc&>(document);
            // Here rather than in the document's constructor: the window's
            // title is set between the two, and a loaded file names itself in it.
            doc.AutoLoad();
            return new CAzimuthElevationView(doc, context);
        });
}
