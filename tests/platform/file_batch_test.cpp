#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_io.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> Text(const std::string& s) { return {s.begin(), s.end()}; }

TEST(ReplacingFileBatch, WritesNewFilesAndReplacesOldOnesOnCommit) {
    test::TempDir dir;
    test::WriteFile(dir / "old.ico", Text("old"));
    {
        ReplacingFileBatch batch;
        batch.Add((dir / "new.ico").string(), Text("new"));
        batch.Add((dir / "old.ico").string(), Text("replaced"));
        EXPECT_EQ(test::ReadFile(dir / "old.ico"), Text("old"));  // not before the commit
        batch.Commit();
    }
    EXPECT_EQ(test::ReadFile(dir / "new.ico"), Text("new"));
    EXPECT_EQ(test::ReadFile(dir / "old.ico"), Text("replaced"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST(ReplacingFileBatch, AFailureLeavesTheFolderAsItWas) {
    test::TempDir dir;
    test::WriteFile(dir / "old.ico", Text("old"));
    {
        ReplacingFileBatch batch;
        batch.Add((dir / "a.ico").string(), Text("aaaa"));
        batch.Add((dir / "old.ico").string(), Text("replaced"));
        SetWriteFailureAfterBytesForTesting(2);
        EXPECT_THROW(batch.Add((dir / "b.ico").string(), Text("bbbb")), FileError);
        SetWriteFailureAfterBytesForTesting(-1);
    }
    EXPECT_EQ(test::ReadFile(dir / "old.ico"), Text("old"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace zorvane
