#pragma once

#include <string>
#include <string_view>

// How signal values are shown. Values are always held as C/No in dB/Hz; the
// other units exist only on screen. The numbers are the ones kept in the
// profile, so they must not change.
enum class CnoUnit : int { DbHz = 0, DBW = 1, DBm = 2 };

// A profile value this build does not know reads as dB/Hz.
CnoUnit CnoUnitFromInt(int value);

// dBW = dB/Hz - 201 and dBm = dBW + 30, for a receiver noise floor of
// -201 dBW/Hz.
int ToDisplayUnit(int dbHz, CnoUnit unit);
int FromDisplayUnit(int value, CnoUnit unit);
int ConvertDisplayUnit(int value, CnoUnit from, CnoUnit to);

std::string_view UnitName(CnoUnit unit);
// The window's title, which names the unit: "Signal Quality - dBW".
std::string SignalWindowTitle(CnoUnit unit);
