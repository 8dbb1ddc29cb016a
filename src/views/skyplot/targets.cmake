# The sky plot: hv_skyplot_core (mask, trails, geometry, the .msk file; no Qt)
# and, with HV_UI, hv_skyplot_ui (the document, the view, the property sheet).
hv_window(skyplot
  CORE
    MaskFile.cpp
    PhysicalMask.cpp
    PlotSatellites.cpp
    PolarGeometry.cpp
    SatelliteTrails.cpp
    SkyPlotModel.cpp
    SkyPlotSettings.cpp
  UI
    CAzimuthElevationDoc.cpp
    CAzimuthElevationProperityPages.cpp
    CAzimuthElevationPropertySheet.cpp
    CAzimuthElevationView.cpp
    CSkyPlotWnd.cpp
    MaskFileDialogs.cpp
    SkyPlotPainting.cpp
    SkyPlotPrinting.cpp
    SkyPlotTemplate.cpp
)
