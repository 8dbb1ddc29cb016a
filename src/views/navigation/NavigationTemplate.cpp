#include "views/navigation/NavigationTemplate.h"

#include "views/navigation/CNavigationDoc.h"
#include "views/navigation/CNavigationView.h"

DocumentTemplate MakeNavigationTemplate(AppContext& context) {
    return DocumentTemplate(
        WindowType::Navigation,
        [](DocumentServices services) { return std::make_unique<CNavigationDoc>(services); },
        [&context](CDocument& document) -> QWidget* {
            return new CNavigationView(static_cast<CNavigationDoc&>(document), context.state,
                                       context.profile);
        });
}
