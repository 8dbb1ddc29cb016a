#pragma once

#include "app/CDocument.h"

// The signal quality window's document. It holds nothing: the bars come
// straight from the receiver state and the settings live in the view.
class CSignalQualityDoc : public CDocument {
public:
    explicit CSignalQualityDoc(DocumentServices services, QObject* parent = nullptr)
        : CDocument(WindowType::SignalQuality, services, parent) {}
};
