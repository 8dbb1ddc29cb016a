# The sky plot: its core (mask, trails, geometry, .msk file), the window on
# Qt's offscreen platform, and the window against the receiver simulator.
hv_test(skyplot_core_tests LABELS core SOURCES views/skyplot/SkyPlotCoreTest.cpp
  views/skyplot/MaskSaveTest.cpp
  LIBS hv_skyplot_core)
if(HV_UI)
  hv_test(skyplot_ui_tests OWN_MAIN LABELS ui SOURCES
    app/UiTestMain.cpp
    views/skyplot/SkyPlotViewTest.cpp
    LIBS hv_skyplot_ui
  )
  hv_test(skyplot_sim_tests OWN_MAIN LABELS ui SOURCES
    app/UiTestMain.cpp
    views/skyplot/SkyPlotSimulatorTest.cpp
    LIBS hv_skyplot_ui
  )
  add_dependencies(skyplot_sim_tests receiver-sim)
endif()
