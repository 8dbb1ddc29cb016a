# The NMEA command monitor: its text rules (core, no Qt) and its document,
# view and edit (Qt).
add_library(hv_monitor_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/MonitorText.cpp
)
target_link_libraries(hv_monitor_core PUBLIC harrowview_core)
hv_warnings(hv_monitor_core)

if(HV_UI)
  add_library(hv_monitor_ui STATIC
    ${CMAKE_CURRENT_LIST_DIR}/CCommandMonitorDoc.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CCommandMonitorView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CMonitorEdit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CommandMonitorTemplate.cpp
  )
  set_target_properties(hv_monitor_ui PROPERTIES AUTOMOC ON)
  target_link_libraries(hv_monitor_ui PUBLIC hv_monitor_core harrowview_ui)
  hv_warnings(hv_monitor_ui)
  set_property(GLOBAL APPEND PROPERTY HV_VIEW_UI_LIBS hv_monitor_ui)
endif()
