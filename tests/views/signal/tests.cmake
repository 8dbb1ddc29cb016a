# The signal quality window: its core logic, and the window itself on Qt's
# offscreen platform.
hv_test(signal_core_tests LABELS core SOURCES views/signal/SignalCoreTest.cpp LIBS hv_signal_core)
if(HV_UI)
  hv_test(signal_ui_tests OWN_MAIN LABELS ui SOURCES
    app/UiTestMain.cpp
    views/signal/SignalQualityViewTest.cpp
    LIBS hv_signal_ui
  )
endif()
