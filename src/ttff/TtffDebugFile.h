#pragma once

#include "ttff/TtffMilestones.h"

#include <array>
#include <string>

// What one line of the debug file holds: the receiver's GPS time, the six
// shown fix times and the offsets of the last fix, in metres.
struct TtffDebugLine {
    double gpsTime = 0;
    std::array<double, kFixMilestones> fixTime{};
    double deltaEast = 0, deltaNorth = 0, error2D = 0, deltaUp = 0, error3D = 0;
};

std::string FormatTtffDebugLine(const TtffDebugLine& line);

// "Harrowview_debug.txt": a header, then one line per recorded milestone.
// The whole text is kept and the file rewritten at every line, so a line
// that could not be written is not lost once the file can be written again.
class TtffDebugFile {
public:
    static constexpr std::string_view kDefaultName = "Harrowview_debug.txt";
    static constexpr std::string_view kHeader =
        "GPS Time   TTFF1  TTFF2  TTFF3  TTFF4  TTFF5  "
        "TTFF6     dE       dN       2D       dU       3D\r\n";

    explicit TtffDebugFile(std::string path) : path(std::move(path)), text(kHeader) {}

    // False with `reason` when the file could not be written this time.
    bool Append(const TtffDebugLine& line, std::string& reason);
    const std::string& Path() const { return path; }

private:
    std::string path;
    std::string text;
};
