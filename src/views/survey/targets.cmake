# The survey window's document and its properties sheet; the survey itself
# (samples, statistics, path files, settings) is core code in src/survey.
hv_window(survey
  UI
    CSurveyDoc.cpp
    CSurveyPropertySheet.cpp
)
