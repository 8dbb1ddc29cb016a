#include "app/Screenshots.h"

#include "app/CChildFrame.h"
#include "app/CMainFrame.h"

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>

namespace {

QString FileNameOf(WindowType type) {
    switch (type) {
    case WindowType::SignalQuality:
        return QStringLiteral("signal-quality.png");
    case WindowType::SkyPlot:
        return QStringLiteral("sky-plot.png");
    case WindowType::Survey:
        return QStringLiteral("survey.png");
    case WindowType::Navigation:
        return QStringLiteral("navigation.png");
    case WindowType::Ttff:
        return QStringLiteral("ttff.png");
    case WindowType::CommandMonitor:
        return QStringLiteral("command-monitor.png");
    }
    return QStringLiteral("window.png");
}

} // namespace

bool SaveScreenshots(const CMainFrame& frame, const QString& dir) {
    if (!QDir().mkpath(dir)) return false;
    const QDir folder(dir);
    bool ok = const_cast<CMainFrame&>(frame).grab().save(folder.filePath("main-window.png"));
    for (QMdiSubWindow* window : frame.MdiArea().subWindowList()) {
        const auto* child = qobject_cast<const CChildFrame*>(window);
        if (!child) continue;
        ok = window->grab().save(folder.filePath(FileNameOf(child->Document().Type()))) && ok;
    }
    return ok;
}
