# The navigation window: the panel's text and geometry (core, no Qt) and its
# document and view (Qt).
add_library(hv_navigation_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/NavigationText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NavigationLayout.cpp
)
target_link_libraries(hv_navigation_core PUBLIC harrowview_core)
hv_warnings(hv_navigation_core)

if(HV_UI)
  add_library(hv_navigation_ui STATIC
    ${CMAKE_CURRENT_LIST_DIR}/CNavigationView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NavigationTemplate.cpp
  )
  set_target_properties(hv_navigation_ui PROPERTIES AUTOMOC ON)
  target_link_libraries(hv_navigation_ui PUBLIC hv_navigation_core harrowview_ui)
  hv_warnings(hv_navigation_ui)
  set_property(GLOBAL APPEND PROPERTY HV_VIEW_UI_LIBS hv_navigation_ui)
endif()
