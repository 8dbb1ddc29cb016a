#include "app/MainCommands.h"

#include <array>

namespace {

using enum Command;

constexpr std::array kCommands{
    CommandInfo{New, "&New...", "Create a new window\nNew", {}},
    CommandInfo{Open, "&Open...", "Open an existing file\nOpen", {}},
    CommandInfo{Save, "&Save", "Save the active window's file\nSave", {}},
    CommandInfo{
        SaveAs, "Save &As...", "Save the active window's file under a new name\nSave As", {}},
    CommandInfo{Print, "&Print...", "Print the active window\nPrint", {}},
    CommandInfo{
        PrintPreview, "Print Pre&view", "Show the active window's printed page\nPrint Preview", {}},
    CommandInfo{
        PrintSetup, "P&rint Setup...", "Change the printer and printing options\nPrint Setup", {}},
    CommandInfo{Exit, "E&xit", "Quit Harrowview\nExit", {}},
    CommandInfo{SignalQuality, "&Signal Quality", "Signal Quality\n Signal Quality",
                WindowType::SignalQuality},
    CommandInfo{Navigation, "&Navigation Window", "Navigation Window\n Navigation Window",
                WindowType::Navigation},
    CommandInfo{Survey, "S&urvey Window", "Survey Window\nSurvey Window", WindowType::Survey},
    CommandInfo{SkyPlot, "Satellite &Azimuth + Elevation",
                "Satellite Azimuth & Elevation\nSatellite Azimuth & Elevation",
                WindowType::SkyPlot},
    CommandInfo{CommandMonitor, "NMEA &Command Monitor",
                "NMEA Command Monitor\nNMEA Command Monitor", WindowType::CommandMonitor},
    CommandInfo{TtffWindow, "&TTFF Window", "TTFF Test\nStart TTFF Test", WindowType::Ttff},
    CommandInfo{Communications,
                "&Communications...",
                "Setup RS-232 communications to GPS receiver\nSetup RS-232 Comm",
                {}},
    CommandInfo{GeneralSettings,
                "&General Settings...",
                "Setup General parameters for Harrowview\nSet General Settings",
                {}},
    CommandInfo{GpsSettings, "G&PS Settings...", "Setup GPS\nSetup GPS", {}},
    CommandInfo{
        NmeaSettings, "&NMEA Settings...", "Enable/Disable NMEA sentences\nNMEA Settings", {}},
    CommandInfo{FirmwareUpgrade, "&Firmware Upgrade...", "", {}},
    CommandInfo{StartLogFile, "&Start Log File", "", {}},
    CommandInfo{CloseLogFile, "&Close Log File", "", {}},
    CommandInfo{HotStart, "&Hot Start", "Hot Start\nHot Start - reset receiver", {}},
    CommandInfo{WarmStart, "&Warm Start", "Warm Start\nWarm Start - clear Ephemeris and reset", {}},
    CommandInfo{
        ColdStart, "C&old Start", "Cold Start\nCold Start - clear all memory and reset", {}},
    CommandInfo{TtffTest, "", "TTFF Test\nStart TTFF Test", WindowType::Ttff},
    CommandInfo{SetupGps, "", "Setup GPS\n Configure GPS Receiver", {}},
    CommandInfo{About, "&About Harrowview...", "Program information and version\nAbout", {}},
    CommandInfo{Help, "&Help Topics", "Help on the window under the pointer\nHelp", {}},
};

constexpr std::array kToolbar{New,       Open,     Save,           SignalQuality, Navigation,
                              Survey,    SkyPlot,  CommandMonitor, HotStart,      WarmStart,
                              ColdStart, TtffTest, SetupGps,       About,         Help};
static_assert(kToolbar.size() == kToolbarButtonCount);

} // namespace

const CommandInfo& InfoOf(Command command) {
    for (const CommandInfo& info : kCommands)
        if (info.command == command) return info;
    return kCommands.front();
}

std::span<const CommandInfo> AllCommands() {
    return kCommands;
}
std::span<const Command> ToolbarCommands() {
    return kToolbar;
}
