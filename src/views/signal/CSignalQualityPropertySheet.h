#pragma once

#include "app/CPropertySheet.h"
#include "views/signal/CSignalQualityPropertyPage1.h"

// "Signal Quality Property Sheet": the signal window's settings, one page.
class CSignalQualityPropertySheet : public CPropertySheet {
    Q_OBJECT

public:
    CSignalQualityPropertySheet(const SignalSettings& current, int observedMax, int observedMin,
                                MessageSink& messages,
                                CSignalQualityPropertyPage1::ApplyHandler onApply,
                                QWidget* parent = nullptr);

    CSignalQualityPropertyPage1& Page() const { return *page; }

private:
    CSignalQualityPropertyPage1* page;
};
