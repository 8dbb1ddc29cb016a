#include "views/signal/SignalUnits.h"

namespace {

int DisplayOffset(CnoUnit unit) {
    switch (unit) {
    case CnoUnit::DBW:
        return -201;
    case CnoUnit::DBm:
        return -171;
    case CnoUnit::DbHz:
        break;
    }
    return 0;
}

} // namespace

CnoUnit CnoUnitFromInt(int value) {
    switch (value) {
    case 1:
        return CnoUnit::DBW;
    case 2:
        return CnoUnit::DBm;
    default:
        return CnoUnit::DbHz;
    }
}

int ToDisplayUnit(int dbHz, CnoUnit unit) {
    return dbHz + DisplayOffset(unit);
}

int FromDisplayUnit(int value, CnoUnit unit) {
    return value - DisplayOffset(unit);
}

int ConvertDisplayUnit(int value, CnoUnit from, CnoUnit to) {
    return ToDisplayUnit(FromDisplayUnit(value, from), to);
}

std::string_view UnitName(CnoUnit unit) {
    switch (unit) {
    case CnoUnit::DBW:
        return "dBW";
    case CnoUnit::DBm:
        return "dBm";
    case CnoUnit::DbHz:
        break;
    }
    return "dB/Hz";
}

std::string SignalWindowTitle(CnoUnit unit) {
    return "Signal Quality - " + std::string(UnitName(unit));
}
