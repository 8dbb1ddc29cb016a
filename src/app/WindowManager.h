#pragma once

#include "app/CDocument.h"
#include "app/DocumentTemplate.h"
#include "app/WindowPlacement.h"
#include "app/WindowTypes.h"

#include <map>

class CChildFrame;
class DocumentRegistry;
class QMdiArea;

// Opens the child windows: one per type, each made by its template.
class WindowManager {
public:
    WindowManager(QMdiArea& area, DocumentRegistry& registry, DocumentServices services);

    void AddTemplate(DocumentTemplate documentTemplate);

    // An open type's window is brought to the front and nothing is created.
    // Otherwise a document and its frame are made, titled from the type
    // table, placed at the type's default rectangle if it has one, and shown.
    // Null for a type without a template.
    // With a placement the new window takes its normal rectangle and show
    // state instead of the default rectangle.
    CChildFrame* Open(WindowType type, const WindowPlacement* placement = nullptr);
    CChildFrame* FrameOf(WindowType type) const;
    bool HasTemplate(WindowType type) const { return templates.contains(type); }
    QMdiArea& Area() const { return area; }

private:
    QMdiArea& area;
    DocumentRegistry& registry;
    DocumentServices services;
    std::map<WindowType, DocumentTemplate> templates;
};
