#pragma once

#include "app/WindowTypes.h"

#include <QObject>

#include <map>

class CDocument;

// The one open document of each window type. Owned by the application; an
// entry goes away by itself when its document is destroyed.
class DocumentRegistry : public QObject {
    Q_OBJECT

public:
    // False, and nothing changes, when a document of that type is open.
    bool Register(CDocument& document);
    void Unregister(const CDocument& document);
    CDocument* Find(WindowType type) const;
    bool Empty() const { return documents.empty(); }

private:
    std::map<WindowType, CDocument*> documents;
};
