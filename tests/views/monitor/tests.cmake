# The command monitor's text rules (no Qt).
hv_test(monitor_core_tests LABELS core SOURCES views/monitor/MonitorTextTest.cpp
  LIBS hv_monitor_core)
