#pragma once

#include "app/CDocument.h"

// The navigation window keeps no data: its view reads the receiver state.
class CNavigationDoc : public CDocument {
public:
    explicit CNavigationDoc(DocumentServices services)
        : CDocument(WindowType::Navigation, services) {}

    // There is nothing to open: File Open is taken and does nothing.
    bool FileOpen() override { return true; }
};
