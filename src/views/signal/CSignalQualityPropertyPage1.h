#pragma once

#include "app/CPropertySheet.h"
#include "views/signal/SignalSettings.h"

#include <array>
#include <functional>

class MessageSink;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QRadioButton;

// "Upper and Lower SNR Threshold": the display unit, the thresholds in that
// unit, auto track, and the observed extremes (always dB/Hz, read-only).
class CSignalQualityPropertyPage1 : public CPropertyPage {
    Q_OBJECT

public:
    // Receives the page's settings, thresholds in dB/Hz, when they apply.
    using ApplyHandler = std::function<void(const SignalSettings&)>;

    CSignalQualityPropertyPage1(const SignalSettings& current, int observedMax, int observedMin,
                                MessageSink& messages, ApplyHandler onApply,
                                QWidget* parent = nullptr);

    bool Validate() override;
    void Apply() override;
    // As last validated.
    const SignalSettings& Settings() const { return settings; }

    QRadioButton& UnitButton(CnoUnit unit) const;
    QLineEdit& UpperEdit() const { return *upperEdit; }
    QLineEdit& LowerEdit() const { return *lowerEdit; }
    QCheckBox& AutoTrackBox() const { return *autoTrackBox; }
    QLineEdit& MaximumEdit() const { return *maximumEdit; }
    QLineEdit& MinimumEdit() const { return *minimumEdit; }

private:
    QWidget* MakeUnitGroup();
    QWidget* MakeThresholdGroup();
    QWidget* MakeObservedGroup(int observedMax, int observedMin);
    void ShowThresholds();
    void ChangeUnit(CnoUnit unit);
    void EnableThresholds();

    SignalSettings settings;
    CnoUnit shownUnit;
    MessageSink& messages;
    ApplyHandler onApply;
    QButtonGroup* unitButtons = nullptr;
    std::array<QRadioButton*, 3> unitRadios{};
    QLineEdit* upperEdit = nullptr;
    QLineEdit* lowerEdit = nullptr;
    QCheckBox* autoTrackBox = nullptr;
    QLineEdit* maximumEdit = nullptr;
    QLineEdit* minimumEdit = nullptr;
};
