#include "ttff/TtffMilestones.h"

std::string_view TtffModeName(int mode) {
    switch (mode) {
    case kModeHot:
        return "hot";
    case kModeWarm:
        return "warm";
    case kModeCold:
        return "cold";
    }
    return {};
}

std::string_view TtffResetCommand(int mode) {
    switch (mode) {
    case kModeHot:
        return "$PZEKS,RSET";
    case kModeWarm:
        return "$PZEKS,RSET,EPH";
    case kModeCold:
        return "$PZEKS,RSET,EPH,ALM,CONFIG";
    }
    return {};
}
