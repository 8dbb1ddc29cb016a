# The Qt layer: the application object, windows, dialogs, painting and the Qt
# side of the core's interfaces. Included from the top-level CMakeLists.txt
# when HV_UI is on (the fuzz and ThreadSanitizer builds turn it off). The core
# library does not link Qt; only this one does.
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets PrintSupport Network SerialPort)

add_library(harrowview_ui STATIC
  ${CMAKE_CURRENT_LIST_DIR}/app/QSettingsProfileStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/QtMessageSink.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/CDocument.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/CView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/CChildFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/DocumentRegistry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/DocumentTemplate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/QtDocumentPrompts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/WindowManager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/ViewPrinting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/CPropertySheet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/LedStrip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/CLedIndicator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/ToolbarIcons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/MainCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/CMainStatusBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/CNewWindowDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/WindowLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/CMainFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/config/CCommsSettingsDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/config/CGeneralSettingsSheet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/config/CGpsSettingsDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/config/CNmeaSettingsDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/config/CProgressDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/config/HelpWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/config/InitSending.cpp
  ${CMAKE_CURRENT_LIST_DIR}/config/ResetCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/config/SettingsCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/config/SettingsQuestions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/upgrade/CFirmwareUpgradeDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/upgrade/UpgradeCommand.cpp
)
# A target property rather than CMAKE_AUTOMOC: this file is included into the
# top-level scope, and moc is for this target only.
set_target_properties(harrowview_ui PROPERTIES AUTOMOC ON)
target_link_libraries(harrowview_ui PUBLIC
  harrowview_core
  Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport Qt6::Network Qt6::SerialPort)
hv_warnings(harrowview_ui)

# The application: the start-up object and the window types' templates,
# which need every window's library (see the top-level CMakeLists.txt).
function(hv_application)
  get_property(view_libs GLOBAL PROPERTY HV_VIEW_UI_LIBS)
  add_library(harrowview_app STATIC
    ${PROJECT_SOURCE_DIR}/src/app/AppOptions.cpp
    ${PROJECT_SOURCE_DIR}/src/app/CViewerApp.cpp
    ${PROJECT_SOURCE_DIR}/src/app/Screenshots.cpp
    ${PROJECT_SOURCE_DIR}/src/app/WindowTemplates.cpp)
  set_target_properties(harrowview_app PROPERTIES AUTOMOC ON)
  target_link_libraries(harrowview_app PUBLIC harrowview_ui ${view_libs})
  hv_warnings(harrowview_app)

  add_executable(harrowview ${PROJECT_SOURCE_DIR}/src/app/main.cpp)
  target_compile_definitions(harrowview PRIVATE HV_VERSION="${PROJECT_VERSION}")
  target_link_libraries(harrowview PRIVATE harrowview_app)
  hv_warnings(harrowview)
endfunction()

# make install: the program, the simulator, the demo capture, a desktop entry
# and an icon.
function(hv_install)
  include(GNUInstallDirs)
  install(TARGETS harrowview receiver-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/data/harrowview.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/data/harrowview.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${PROJECT_SOURCE_DIR}/data/demo.nmea
          DESTINATION ${CMAKE_INSTALL_DATADIR}/harrowview)
endfunction()
