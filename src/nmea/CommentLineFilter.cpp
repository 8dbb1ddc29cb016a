#include "nmea/CommentLineFilter.h"

void CommentLineFilter::Filter(std::string_view chunk, std::string& out) {
    for (char c : chunk) {
        if (atLineStart && c == '#') inComment = true;
        if (!inComment) out += c;
        atLineStart = c == '\n';
        if (atLineStart) inComment = false;
    }
}
