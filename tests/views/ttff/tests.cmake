# The TTFF window on Qt's offscreen platform: the mode question before it
# opens, its document's files, and a whole test against the simulator.
if(HV_UI)
  hv_test(ttff_ui_tests OWN_MAIN LABELS ui
    SOURCES app/UiTestMain.cpp views/ttff/TtffWindowTest.cpp LIBS hv_ttff_ui)
  add_dependencies(ttff_ui_tests receiver-sim)
endif()
