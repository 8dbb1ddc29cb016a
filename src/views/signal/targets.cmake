# The signal quality window. The core part (units, settings, bar model,
# geometry and colours) builds without Qt; the windows and painting link Qt.
hv_window(signal
  CORE
    SignalUnits.cpp
    SignalSettings.cpp
    SignalBarModel.cpp
    SignalBarGeometry.cpp
    SignalBarStyle.cpp
  UI
    SignalBarPainter.cpp
    CSignalBarWnd.cpp
    CSignalQualityPropertyPage1.cpp
    CSignalQualityPropertySheet.cpp
    CSignalQualityView.cpp
    SignalQualityTemplate.cpp
)
