#include "app/DocumentRegistry.h"

#include "app/CDocument.h"

bool DocumentRegistry::Register(CDocument& document) {
    const WindowType type = document.Type();
    if (documents.contains(type)) return false;
    documents[type] = &document;
    // destroyed() comes from ~QObject, when the CDocument part is gone, so
    // the type is captured now rather than asked then.
    connect(&document, &QObject::destroyed, this, [this, type, doc = &document] {
        const auto it = documents.find(type);
        if (it != documents.end() && it->second == doc) documents.erase(it);
    });
    return true;
}

void DocumentRegistry::Unregister(const CDocument& document) {
    const auto it = documents.find(document.Type());
    if (it == documents.end() || it->second != &document) return;
    disconnect(&document, &QObject::destroyed, this, nullptr);
    documents.erase(it);
}

CDocument* DocumentRegistry::Find(WindowType type) const {
    const auto it = documents.find(type);
    return it == documents.end() ? nullptr : it->second;
}
