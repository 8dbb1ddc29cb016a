# This window's libraries: hv_skyplot_core (core files, no Qt, links
# harrowview_core) and, when HV_UI is on, hv_skyplot_ui (links harrowview_ui and
# the core one), appended with
#   set_property(GLOBAL APPEND PROPERTY HV_VIEW_UI_LIBS hv_skyplot_ui)
# Paths from this folder: ${CMAKE_CURRENT_LIST_DIR}/File.cpp
