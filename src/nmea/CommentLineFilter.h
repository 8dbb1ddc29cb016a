#pragma once

#include <string>
#include <string_view>

// Removes whole lines that begin with '#' from a byte stream that arrives in
// pieces. Annotated captures carry such lines, which are not receiver output
// and may quote sentences.
class CommentLineFilter {
public:
    // Appends the kept bytes of `chunk` to `out`.
    void Filter(std::string_view chunk, std::string& out);

private:
    bool atLineStart = true;
    bool inComment = false;
};
