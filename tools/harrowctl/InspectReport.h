#pragma once

#include <string>
#include <string_view>

class ReceiverState;

// JSON lines describing the receiver state, one object per line.
namespace InspectReport {

// Shortest text that reads back as the same double; with `minDecimals`, padded
// with zeros to at least that many decimals.
std::string Number(double value, int minDecimals = 0);

std::string Fix(const ReceiverState& state);
std::string Sky(const ReceiverState& state);
std::string Summary(unsigned sentences, unsigned checksumErrors, unsigned dropped);

// Whether a sentence completes a satellite picture: the last message of a GSV
// group, a POLYS, or a PASHR SAT.
bool CompletesSky(std::string_view address, std::string_view data);

} // namespace InspectReport
