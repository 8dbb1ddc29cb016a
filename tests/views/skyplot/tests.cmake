# The sky plot: its core (mask, trails, geometry, .msk file), the window on
# Qt's offscreen platform, and the window against the receiver simulator.
hv_test(skyplot_core_tests LABELS core SOURCES views/skyplot/SkyPlotCoreTest.cpp
  LIBS hv_skyplot_core)
