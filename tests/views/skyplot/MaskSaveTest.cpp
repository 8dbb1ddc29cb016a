// Saving a mask over an older file: the old file must survive a write that
// fails part way (a full disk, a file size limit), and a good save replaces
// it whole without changing its permissions or the link that names it.

#include "views/skyplot/MaskFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& path) {
    std::ostringstream all;
    all << std::ifstream(path, std::ios::binary).rdbuf();
    return all.str();
}

MaskFileContent Content(const char* comment, int lowered) {
    MaskFileContent content;
    content.mask[90] = {90, lowered, 1};
    SetCommentText(content.comment, comment);
    return content;
}

class MaskSave : public testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    const fs::path dir = fs::temp_directory_path() / ("mask-save-" + std::to_string(::getpid()));
    std::string error;
};

TEST_F(MaskSave, AFailedWriteLeavesTheOldFileWhole) {
    const fs::path path = dir / "roof.msk";
    ASSERT_TRUE(WriteMaskFile(path, Content("old roof", 12), error)) << error;
    const std::string old = Bytes(path);

    // Writes past 4 KiB fail with EFBIG, as a full disk would fail them.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{4096, saved.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteMaskFile(path, Content("new roof", 20), error);
    ::setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_FALSE(written);
    EXPECT_NE(error.find("Could not write the mask file " + path.string() + ": "),
              std::string::npos);
    EXPECT_EQ(Bytes(path), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(MaskSave, AGoodSaveReplacesTheFileAndKeepsItsModeAndLink) {
    const fs::path target = dir / "roof.msk", link = dir / "current.msk";
    ASSERT_TRUE(WriteMaskFile(target, Content("old", 12), error)) << error;
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(target, mode);
    fs::create_symlink(target, link);

    ASSERT_TRUE(WriteMaskFile(link, Content("new", 20), error)) << error;
    EXPECT_TRUE(fs::is_symlink(link));
    MaskFileContent read;
    ASSERT_TRUE(ReadMaskFile(target, read, error)) << error;
    EXPECT_EQ(read, Content("new", 20));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, mode);

    // A file the user may not write is refused, as before; root may write anything.
    if (::geteuid() != 0) {
        fs::permissions(target, fs::perms::owner_read);
        EXPECT_FALSE(WriteMaskFile(target, Content("newer", 30), error));
    }
}

} // namespace
