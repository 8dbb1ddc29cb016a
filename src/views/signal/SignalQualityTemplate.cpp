#include "views/signal/SignalQualityTemplate.h"

#include "views/signal/CSignalQualityDoc.h"
#include "views/signal/CSignalQualityView.h"

DocumentTemplate MakeSignalQualityTemplate(AppContext& context) {
    return DocumentTemplate(
        WindowType::SignalQuality,
        [](DocumentServices services) { return std::make_unique<CSignalQualityDoc>(services); },
        [&context](CDocument& document) -> QWidget* {
            return new CSignalQualityView(document, context);
        });
}
