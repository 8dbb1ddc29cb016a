#pragma once

#include <functional>
#include <string>
#include <string_view>

// Writes `bytes` as the whole new content of `path` without ever leaving a
// half-written file: they go to a temporary file beside it, which replaces
// the old file only once every byte is on disk. On failure the old file is
// untouched, the temporary file is gone, and `reason` says why (strerror's
// text). A file that exists but may not be written is refused, as an
// in-place write would be; a symbolic link keeps pointing where it did.
bool WriteFileSafely(const std::string& path, std::string_view bytes, std::string& reason);

// The same for content made piece by piece, so a large file never needs to
// be held whole: `next` returns the following bytes, empty at the end.
bool WriteFileSafely(const std::string& path, const std::function<std::string_view()>& next,
                     std::string& reason);
