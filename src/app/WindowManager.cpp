#include "app/WindowManager.h"

#include "app/CChildFrame.h"
#include "app/DocumentRegistry.h"

#include <QMdiArea>

#include <algorithm>

WindowManager::WindowManager(QMdiArea& area, DocumentRegistry& registry, DocumentServices services)
    : area(area), registry(registry), services(services) {}

void WindowManager::AddTemplate(DocumentTemplate documentTemplate) {
    const WindowType type = documentTemplate.Type();
    templates.insert_or_assign(type, std::move(documentTemplate));
}

CChildFrame* WindowManager::FrameOf(WindowType type) const {
    const CDocument* document = registry.Find(type);
    if (!document) return nullptr;
    for (QMdiSubWindow* window : area.subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame && &frame->Document() == document) return frame;
    }
    return nullptr;
}

CChildFrame* WindowManager::Open(WindowType type, const WindowPlacement* placement) {
    if (CChildFrame* open = FrameOf(type)) {
        area.setActiveSubWindow(open);
        return open;
    }
    const auto found = templates.find(type);
    if (found == templates.end()) return nullptr;
    const DocumentTemplate& maker = found->second;
    if (!maker.MayOpen()) return nullptr;

    std::unique_ptr<CDocument> document = maker.NewDocument(services);
    document->SetTitle(maker.Title());
    // A document of this type open without a frame in this area: leave it be.
    if (!registry.Register(*document)) return nullptr;
    QWidget* content = maker.NewContent(*document);
    auto* frame = new CChildFrame(std::move(document), content);
    area.addSubWindow(frame);
    const WindowTypeInfo* info = FindWindowType(type);
    if (placement) {
        const WindowRect& r = placement->normal;
        frame->setGeometry(r.left, r.top, std::max(r.right - r.left, 1),
                           std::max(r.bottom - r.top, 1));
    } else if (info && info->defaultRect) {
        const WindowRect& r = *info->defaultRect;
        frame->setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    if (placement && placement->showState == ShowState::Maximised)
        frame->showMaximized();
    else if (placement && placement->showState == ShowState::Minimised)
        frame->showMinimized();
    else
        frame->show();
    area.setActiveSubWindow(frame);
    return frame;
}
