#pragma once

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unistd.h>

// A fresh file under /tmp holding `contents`, removed when this goes, also
// when an assertion ends the test early.
struct TempFile {
    explicit TempFile(const char* stem, std::string_view contents = {})
        : path("/tmp/hv-" + std::string(stem) + "-XXXXXX") {
        close(mkstemp(path.data()));
        std::ofstream(path, std::ios::binary) << contents;
    }
    ~TempFile() { std::remove(path.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    std::string path;
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
