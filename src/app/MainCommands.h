#pragma once

#include "app/WindowTypes.h"

#include <optional>
#include <span>
#include <string_view>

// Every command of the main window, in menu order within each menu.
enum class Command {
    New,
    Open,
    Save,
    SaveAs,
    Print,
    PrintPreview,
    PrintSetup,
    Exit,
    SignalQuality,
    Navigation,
    Survey,
    SkyPlot,
    CommandMonitor,
    TtffWindow,
    Communications,
    GeneralSettings,
    GpsSettings,
    NmeaSettings,
    FirmwareUpgrade,
    StartLogFile,
    CloseLogFile,
    HotStart,
    WarmStart,
    ColdStart,
    TtffTest,
    SetupGps,
    About,
    Help,
};

struct CommandInfo {
    Command command;
    std::string_view label;  // menu text; empty for toolbar-only commands
    std::string_view prompt; // status-bar text, '\n', tool tip; may be empty
    std::optional<WindowType> opens;
};

const CommandInfo& InfoOf(Command command);
std::span<const CommandInfo> AllCommands();

inline constexpr int kToolbarButtonCount = 15;

// The toolbar's 15 buttons, left to right.
std::span<const Command> ToolbarCommands();
