#include "app/WindowLayout.h"

#include "app/CChildFrame.h"
#include "app/CDocument.h"
#include "app/DocumentRegistry.h"
#include "app/WindowManager.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QMainWindow>
#include <QMdiArea>
#include <QScreen>

// Layout traces for a developer chasing a placement fault; off unless
// QT_LOGGING_RULES="harrowview.layout.debug=true".
Q_LOGGING_CATEGORY(layoutTrace, "harrowview.layout", QtWarningMsg)

namespace {

WindowRect ToWindowRect(const QRect& r) {
    // Right and bottom are exclusive, as the profile has always stored them.
    return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

QRect ToQRect(const WindowRect& r) {
    return QRect(r.left, r.top, std::max(r.right - r.left, 1), std::max(r.bottom - r.top, 1));
}

ShowState ShowStateOf(Qt::WindowStates state) {
    if (state & Qt::WindowMinimized) return ShowState::Minimised;
    if (state & Qt::WindowMaximized) return ShowState::Maximised;
    return ShowState::Normal;
}

// The type whose open document is titled as the frame is; none for a frame
// of no known type.
std::optional<WindowType> TypeOfFrame(const QMdiSubWindow& frame,
                                      const DocumentRegistry& registry) {
    for (const WindowTypeInfo& info : kWindowTypes) {
        const CDocument* document = registry.Find(info.type);
        if (document && document->Title() == frame.windowTitle()) return info.type;
    }
    return std::nullopt;
}

// A saved rectangle off every screen (a monitor since removed) would open
// the window where nobody can reach it: move it to the primary screen.
QRect OnSomeScreen(QRect rect) {
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(rect)) return rect;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        rect.moveTopLeft(primary->availableGeometry().topLeft());
    return rect;
}

void ShowMain(QMainWindow& main, ShowState state) {
    switch (state) {
    case ShowState::Maximised:
        main.showMaximized();
        break;
    case ShowState::Minimised:
        main.showMinimized();
        break;
    case ShowState::Normal:
        main.showNormal();
        break;
    }
    main.update();
}

} // namespace

WindowPlacement PlacementOfMain(const QMainWindow& main) {
    WindowPlacement placement;
    placement.showState = ShowStateOf(main.windowState());
    placement.normal = ToWindowRect(main.normalGeometry());
    return PreparedForSave(placement);
}

void SaveWindowPlacements(const QMainWindow& main, const WindowManager& windows,
                          const DocumentRegistry& registry, ProfileStore& profile) {
    std::vector<ChildPlacement> children;
    const QMdiArea& area = windows.Area();
    if (area.currentSubWindow()) {
        for (QMdiSubWindow* window : area.subWindowList(QMdiArea::StackingOrder)) {
            const std::optional<WindowType> type = TypeOfFrame(*window, registry);
            if (!type) continue;
            WindowPlacement placement;
            placement.showState = ShowStateOf(window->windowState());
            const auto* frame = qobject_cast<const CChildFrame*>(window);
            placement.normal = ToWindowRect(frame ? frame->NormalRect() : window->geometry());
            children.push_back({*type, PreparedForSave(placement)});
        }
    }
    SaveLayout(profile, PlacementOfMain(main), children);
}

void RestoreWindowPlacements(QMainWindow& main, WindowManager& windows, const ProfileStore& profile,
                             std::optional<WindowType> only) {
    qCDebug(layoutTrace, "RestoreWindowPlacements - Enter %d", only ? static_cast<int>(*only) : 0);
    const SavedLayout layout = LoadLayout(profile);
    if (!layout.main) {
        ShowMain(main, ShowState::Normal);
        return;
    }
    main.setGeometry(OnSomeScreen(ToQRect(layout.main->normal)));
    ShowMain(main, layout.main->showState);
    for (const ChildPlacement& child : FilterByType(layout.children, only))
        if (!windows.FrameOf(child.type)) windows.Open(child.type, &child.placement);
}

bool ReopenWindowType(WindowManager& windows, const ProfileStore& profile, WindowType type) {
    if (windows.FrameOf(type)) return false;
    const std::optional<WindowPlacement> saved = FirstOfType(LoadLayout(profile).children, type);
    return saved && windows.Open(type, &*saved) != nullptr;
}
