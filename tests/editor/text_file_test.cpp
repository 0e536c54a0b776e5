// Reading files into the row list and writing the text back.
#include "editor/FakeView.h"
#include "editor/LineSplitter.h"
#include "editor/ScreenStrings.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace mojiro {
namespace {

namespace fs = std::filesystem;

class TextFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("mojiro-text-file-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Write(const std::string& name, const std::string& bytes) {
        const fs::path path = dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    fs::path dir;
};

TEST_F(TextFile, CrLfFileIsWrittenBackByteForByteNulIncluded) {
    const std::string bytes("\x8a\xbf\0a\r\n\r\nend\0\r\n", 14);
    TEditorScreenStrings rows;
    rows.LoadFromFile(Write("a.txt", bytes));
    EXPECT_EQ(rows.Text(), bytes);
}

TEST_F(TextFile, FailedLoadLeavesTheDocumentAndUndoAlone) {
    TEditorScreenStrings rows;
    rows.LoadFromBytes("keep\r\n");
    rows.ReplaceRows(0, 1, "kept\r\n");
    EXPECT_THROW(rows.LoadFromFile((dir / "missing.txt").string()), FileError);
    EXPECT_THROW(rows.LoadFromFile(dir.string()), FileError); // a folder
    EXPECT_EQ(rows.Text(), "kept\r\n");
    EXPECT_TRUE(rows.UndoObj().CanUndo());
}

TEST_F(TextFile, ErrorMessageNamesTheFileAndTheReason) {
    TEditorScreenStrings rows;
    const std::string missing = (dir / "missing.txt").string();
    try {
        rows.LoadFromFile(missing);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot open file \"" + missing + "\". No such file or directory");
    }
}

TEST_F(TextFile, LineBreakAcrossTheReadBufferBoundaryIsOneBreak) {
    // The reader takes the file in pieces of 1 MiB; put a CR LF across the cut.
    std::string bytes((1 << 20) - 1, 'a');
    bytes += "\r\nb";
    TEditorScreenStrings rows;
    rows.LoadFromFile(Write("big.txt", bytes));
    ASSERT_EQ(rows.Count(), 2);
    EXPECT_EQ(rows.Get(1), "b");
}

TEST(LineSplitter, ResultDoesNotDependOnWhereThePiecesAreCut) {
    const std::string text = "a\r\nb\rc\n\r\n\n\rd\x1a"
                             "e";
    auto split = [](const std::vector<std::string_view>& pieces) {
        std::vector<std::string> lines;
        LineSplitter splitter(true);
        auto onLine = [&lines](std::string_view line, bool withBreak) {
            lines.push_back(std::string(line) + (withBreak ? "|" : ""));
        };
        for (std::string_view piece : pieces)
            splitter.Feed(piece, onLine);
        splitter.Finish(onLine);
        return lines;
    };
    const auto whole = split({text});
    EXPECT_EQ(whole, (std::vector<std::string>{"a|", "b|", "c|", "|", "|", "|", "d"}));
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        const std::string_view view(text);
        EXPECT_EQ(split({view.substr(0, cut), view.substr(cut)}), whole) << "cut at " << cut;
    }
}

} // namespace
} // namespace mojiro
