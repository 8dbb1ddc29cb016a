# The NMEA command monitor: its text rules (core, no Qt) and its document,
# view and edit (Qt).
hv_window(monitor
  CORE
    MonitorText.cpp
  UI
    CCommandMonitorDoc.cpp
    CCommandMonitorView.cpp
    CMonitorEdit.cpp
    CommandMonitorTemplate.cpp
)
