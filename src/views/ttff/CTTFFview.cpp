#include "views/ttff/CTTFFview.h"

#include "app/DocumentPrompts.h"
#include "link/MessageSink.h"
#include "ttff/TtffFiles.h"
#include "views/ttff/CTTFFDoc.h"
#include "views/ttff/TtffReportPainter.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

CTTFFview::CTTFFview(CTTFFDoc& document, Links links, TtffTiming timing, QWidget* parent)
    : CView(document, kTickMs, parent), document(document), links(links),
      link(links.port, links.receiver),
      controller(links.state, link, clock, links.settings, links.truth, timing) {
    controller.SetObserver(this);
    controller.SetDebugFile(std::string(TtffDebugFile::kDefaultName), &links.messages);
    document.SetTitle(QStringLiteral("Untitled"));
    controller.Start();
}

void CTTFFview::Tick() {
    // A file opened into the document is taken over only while a test runs.
    if (links.settings.mode >= kModeHot)
        if (const std::optional<TtffData> loaded = document.TakeLoaded())
            controller.LoadResults(*loaded);
    controller.Tick();
    update();
}

void CTTFFview::MilestoneRecorded(int, const TtffData& results) {
    document.Store(results);
}

QString CTTFFview::ReportText() const {
    return QString::fromStdString(BuildTtffReport(controller.ReportInputs(), links.profile));
}

void CTTFFview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintTtffReport(painter, rect(), ReportText(), palette());
}

bool CTTFFview::SaveRunsAs(const std::string& path) {
    std::string error;
    if (WriteTtffRunsCsvFile(path, controller.Runs(), error)) return true;
    links.messages.ShowMessage(error, "ERROR", MessageIcon::Stop);
    return false;
}

void CTTFFview::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* runs = menu.addAction(QStringLiteral("Save Test Runs As CSV..."));
    runs->setEnabled(!controller.Runs().empty());
    if (menu.exec(event->globalPos()) != runs) return;
    const std::string path = links.prompts.AskSavePath("CSV Files (*.csv)", ".csv");
    if (!path.empty()) SaveRunsAs(path);
}
