#include "views/ttff/TtffTemplate.h"

#include "ttff/TtffMilestones.h"
#include "views/ttff/CTTFFDoc.h"
#include "views/ttff/CTTFFModeDialog.h"
#include "views/ttff/CTTFFview.h"

#include <QApplication>

bool AskTtffMode(TtffSettings& settings) {
    CTTFFModeDialog dialog(settings.mode, settings.testCount, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) return false;
    settings.mode = dialog.Mode();
    settings.testCount = dialog.TestCount();
    return true;
}

DocumentTemplate MakeTtffTemplate(AppContext& context, TtffModeQuestion askMode) {
    DocumentTemplate maker(
        WindowType::Ttff,
        [&context](DocumentServices services) {
            return std::make_unique<CTTFFDoc>(services, context.ttff);
        },
        [&context](CDocument& document) -> QWidget* {
            return new CTTFFview(static_cast<CTTFFDoc&>(document),
                                 CTTFFview::Links{context.state, context.port, context.receiver,
                                                  context.profile, context.ttff, context.truth,
                                                  context.services.messages,
                                                  context.services.prompts});
        });
    maker.SetOpenCheck(
        [&context, askMode] { return askMode(context.ttff) && context.ttff.mode >= kModeHot; });
    return maker;
}
