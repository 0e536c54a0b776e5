// The long form of paths named on the command line.
#include "platform/LongPathName.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace mojiro {
namespace {

namespace fs = std::filesystem;

class LongPathNameTest : public ::testing::Test {
protected:
    LongPathNameTest() {
        fs::remove_all(dir);
        fs::create_directories(dir / "sub");
        std::ofstream(dir / "a.txt") << "x";
    }
    ~LongPathNameTest() override { fs::remove_all(dir); }

    const fs::path dir = fs::temp_directory_path() / ("mojiro-long-" + std::to_string(::getpid()));
};

TEST_F(LongPathNameTest, ExistingPathBecomesAbsoluteAndClean) {
    EXPECT_EQ((dir / "a.txt").string(), LongPathName((dir / "sub/.././/a.txt").string()));
    EXPECT_EQ((dir / "sub").string(), LongPathName((dir / "sub/").string()));
    EXPECT_EQ("/", LongPathName("/"));
}

TEST_F(LongPathNameTest, MissingPathStaysAsGivenWithoutTrailingSeparator) {
    EXPECT_EQ("", LongPathName(""));
    EXPECT_EQ("no/such/./place", LongPathName("no/such/./place/"));
}

TEST_F(LongPathNameTest, ParentOfALinkedFolderIsTheLinkTargetsParent) {
    // link -> sub/deep, so link/.. is sub, not dir.
    fs::create_directories(dir / "sub/deep");
    std::ofstream(dir / "sub/b.txt") << "b";
    fs::create_directory_symlink(dir / "sub/deep", dir / "link");
    EXPECT_EQ((dir / "sub/b.txt").string(), LongPathName((dir / "link/../b.txt").string()));
}

} // namespace
} // namespace mojiro
