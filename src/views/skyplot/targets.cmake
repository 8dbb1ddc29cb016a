# The sky plot: hv_skyplot_core (mask, trails, geometry, the .msk file; no Qt)
# and, with HV_UI, hv_skyplot_ui (the document, the view, the property sheet).
add_library(hv_skyplot_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/MaskFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PhysicalMask.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlotSatellites.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PolarGeometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SatelliteTrails.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkyPlotModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkyPlotSettings.cpp
)
target_link_libraries(hv_skyplot_core PUBLIC harrowview_core)
hv_warnings(hv_skyplot_core)

if(HV_UI)
  add_library(hv_skyplot_ui STATIC
    ${CMAKE_CURRENT_LIST_DIR}/CAzimuthElevationDoc.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CAzimuthElevationProperityPages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CAzimuthElevationPropertySheet.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CAzimuthElevationView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CSkyPlotWnd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MaskFileDialogs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkyPlotPainting.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkyPlotPrinting.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkyPlotTemplate.cpp
  )
  set_target_properties(hv_skyplot_ui PROPERTIES AUTOMOC ON)
  target_link_libraries(hv_skyplot_ui PUBLIC harrowview_ui hv_skyplot_core)
  hv_warnings(hv_skyplot_ui)
  set_property(GLOBAL APPEND PROPERTY HV_VIEW_UI_LIBS hv_skyplot_ui)
endif()
