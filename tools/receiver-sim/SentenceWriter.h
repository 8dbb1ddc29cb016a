#pragma once

#include "EpochReport.h"
#include "FixModel.h"
#include "SimConfig.h"

#include <string>
#include <vector>

// Sentence bodies, without '$', checksum and line end, in the order the
// receiver sends them each second: GGA, GSA, GSV group, RMC, POLYT, POLYP,
// POLYS, RRE, POLYI.
std::vector<std::string> EpochSentences(const EpochReport& report);

// "POLYN,RSET,HOT" and the like: the first line of every reset burst.
std::string ResetNoticeBody(ResetKind kind);
// "POLYN,EPH,07" / "POLYN,ALM,07".
std::string NoticeBody(const Notice& notice);
