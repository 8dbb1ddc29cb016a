#pragma once

#include "SettingsTable.h"
#include "SimConfig.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What one input line asks of the receiver.
struct CommandOutcome {
    std::vector<std::string> replies; // sentence bodies, e.g. "PZEKR,MASK,OK"
    std::optional<ResetKind> reset;
    bool startLoader = false;
    std::optional<bool> debug;
};

// "$PZEKQ,ITEM" queries and "$PZEKS,ITEM,VALUE..." sets (the $PSYMQ/$PSYMS
// family is answered the same way with $PSYMR). Commands come without a
// checksum; one that is sent is checked. Replies:
//   $PZEKR,ITEM,OK              set accepted
//   $PZEKR,ITEM,VALUE...        query answered
//   $PZEKR,ITEM,ERR,UNKNOWN     no such item (every query of a command name too)
//   $PZEKR,ITEM,ERR,READONLY    the item cannot be set
//   $PZEKR,ITEM,ERR,VALUE       the value is not accepted
//   $PZEKR,ERR,SYNTAX           no item named
//   $PZEKR,ERR,CHECKSUM         the checksum sent is wrong
// Sets that are commands:
//   RSET                        hot reset
//   RSET,EPH                    warm reset (ephemerides dropped)
//   RSET,...ALM... / CONFIG     cold reset; CONFIG also restores the settings
//   UPGM,SREC                   start the S-record loader
// "$11" and "$0" switch the raw debug output on and off (no reply).
// Anything else is not for this receiver and is ignored.
CommandOutcome HandleCommand(std::string_view line, SettingsTable& settings);
