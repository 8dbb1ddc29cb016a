# This window's sources: HV_VIEW_CORE_SOURCES build into the core (no Qt),
# HV_VIEW_UI_SOURCES into the Qt layer. Paths from this folder.
set(HV_VIEW_CORE_SOURCES)
set(HV_VIEW_UI_SOURCES)
