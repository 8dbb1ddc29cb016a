#include "ttff/TtffDebugFile.h"

#include "files/SafeFileWrite.h"
#include "ttff/TtffNumbers.h"

std::string FormatTtffDebugLine(const TtffDebugLine& line) {
    std::string text = FormatFixed(line.gpsTime, 1, 8);
    for (double t : line.fixTime)
        text += "  " + FormatFixed(t, 1, 5);
    for (double metres :
         {line.deltaEast, line.deltaNorth, line.error2D, line.deltaUp, line.error3D})
        text += "  " + FormatFixed(metres, 1, 7);
    return text + "\r\n";
}

bool TtffDebugFile::Append(const TtffDebugLine& line, std::string& reason) {
    text += FormatTtffDebugLine(line);
    return WriteFileSafely(path, text, reason);
}
