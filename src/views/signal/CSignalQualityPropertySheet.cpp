#include "views/signal/CSignalQualityPropertySheet.h"

CSignalQualityPropertySheet::CSignalQualityPropertySheet(
    const SignalSettings& current, int observedMax, int observedMin, MessageSink& messages,
    CSignalQualityPropertyPage1::ApplyHandler onApply, QWidget* parent)
    : CPropertySheet(QStringLiteral("Signal Quality Property Sheet"), parent),
      page(new CSignalQualityPropertyPage1(current, observedMax, observedMin, messages,
                                           std::move(onApply))) {
    AddPage(page);
}
