# The command monitor's text rules (no Qt), and the window on Qt's offscreen
# platform.
hv_test(monitor_core_tests LABELS core SOURCES views/monitor/MonitorTextTest.cpp
  LIBS hv_monitor_core)
if(HV_UI)
  hv_test(monitor_ui_tests OWN_MAIN LABELS ui
    SOURCES app/UiTestMain.cpp views/monitor/MonitorViewTest.cpp LIBS hv_monitor_ui)
endif()
