# The signal quality window. The core part (units, settings, bar model,
# geometry and colours) builds without Qt; the windows and painting link Qt.
add_library(hv_signal_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/SignalUnits.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SignalSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SignalBarModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SignalBarGeometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SignalBarStyle.cpp
)
target_link_libraries(hv_signal_core PUBLIC harrowview_core)
hv_warnings(hv_signal_core)

if(HV_UI)
  add_library(hv_signal_ui STATIC
    ${CMAKE_CURRENT_LIST_DIR}/SignalBarPainter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CSignalBarWnd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CSignalQualityPropertyPage1.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CSignalQualityPropertySheet.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CSignalQualityView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SignalQualityTemplate.cpp
  )
  set_target_properties(hv_signal_ui PROPERTIES AUTOMOC ON)
  target_link_libraries(hv_signal_ui PUBLIC harrowview_ui hv_signal_core)
  hv_warnings(hv_signal_ui)
  set_property(GLOBAL APPEND PROPERTY HV_VIEW_UI_LIBS hv_signal_ui)
endif()
