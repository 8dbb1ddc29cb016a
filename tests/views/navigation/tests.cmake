# The navigation panel's text and geometry (no Qt).
hv_test(navigation_core_tests LABELS core SOURCES views/navigation/NavigationTextTest.cpp
  LIBS hv_navigation_core)
