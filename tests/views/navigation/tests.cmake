# The navigation panel's text and font size, and the window itself on Qt's
# offscreen platform.
hv_test(navigation_core_tests LABELS core SOURCES views/navigation/NavigationTextTest.cpp
  LIBS hv_navigation_core)
if(HV_UI)
  hv_test(navigation_ui_tests OWN_MAIN LABELS ui
    SOURCES app/UiTestMain.cpp views/navigation/NavigationViewTest.cpp LIBS hv_navigation_ui)
endif()
