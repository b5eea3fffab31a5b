#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/file_io.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

using test::ReadFile;
using test::TempDir;

class WriteFailure {
public:
    explicit WriteFailure(long long afterBytes) { SetWriteFailureAfterBytesForTesting(afterBytes); }
    ~WriteFailure() { SetWriteFailureAfterBytesForTesting(-1); }
};

TEST(WriteFileReplacing, ReplacesTheFileWithTheNewBytes) {
    TempDir dir;
    const std::vector<std::uint8_t> first = {1, 2, 3}, second = {4, 5};
    WriteFileReplacing((dir / "a.bin").string(), first);
    WriteFileReplacing((dir / "a.bin").string(), second);
    EXPECT_EQ(ReadFile(dir / "a.bin"), second);
}

TEST(WriteFileReplacing, AFailedWriteKeepsTheOldFileAndLeavesNoTemporary) {
    TempDir dir;
    const std::vector<std::uint8_t> old = {9, 9, 9}, fresh(100000, 7);
    WriteFileReplacing((dir / "keep.bin").string(), old);
    {
        WriteFailure full(5000);
        EXPECT_THROW(WriteFileReplacing((dir / "keep.bin").string(), fresh), FileError);
    }
    EXPECT_EQ(ReadFile(dir / "keep.bin"), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(WriteFileReplacing, ANewFileAppearsOnlyCompleteAndWithTheUsualPermissions) {
    TempDir dir;
    const std::string path = (dir / "new.bin").string();
    {
        WriteFailure full(5000);
        EXPECT_THROW(WriteFileReplacing(path, std::vector<std::uint8_t>(100000, 7)), FileError);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 0);
    WriteFileReplacing(path, std::vector<std::uint8_t>(100000, 7));
    EXPECT_EQ(ReadFile(dir / "new.bin"), std::vector<std::uint8_t>(100000, 7));
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0666 & ~mask);
}

TEST(WriteFileReplacing, AMissingFolderIsAnErrorNamingThePath) {
    TempDir dir;
    const std::string path = (dir / "missing" / "x.ico").string();
    try {
        WriteFileReplacing(path, std::vector<std::uint8_t>{1});
        FAIL();
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
    }
}

TEST(ReadWholeFile, AFolderIsAnError) {
    TempDir dir;
    EXPECT_THROW(ReadWholeFile(dir.path().string()), FileError);
}

}  // namespace
}  // namespace zorvane
