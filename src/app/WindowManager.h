#pragma once

#include "app/CDocument.h"
#include "app/DocumentTemplate.h"
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
    CChildFrame* Open(WindowType type);
    CChildFrame* FrameOf(WindowType type) const;

private:
    QMdiArea& area;
    DocumentRegistry& registry;
    DocumentServices services;
    std::map<WindowType, DocumentTemplate> templates;
};
