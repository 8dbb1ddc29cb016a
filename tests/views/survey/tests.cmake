# The survey's properties sheet and document on Qt's offscreen platform.
if(HV_UI)
  hv_test(survey_ui_tests OWN_MAIN LABELS ui
    SOURCES app/UiTestMain.cpp views/survey/SurveyDocTest.cpp LIBS hv_survey_ui)
endif()
