// Runs the built mojiro-fold on small CP932 files and checks what it writes.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string Repeat(std::string_view s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

const std::string A = "\x82\xA0";     // あ
const std::string I = "\x82\xA2";     // い
const std::string U = "\x82\xA4";     // う
const std::string Comma = "\x81\x41"; // 、
const std::string Open = "\x81\x75";  // 「
const std::string Close = "\x81\x76"; // 」
const std::string Ka = "\x82\xA9";    // か
const std::string Ki = "\x82\xAB";    // き

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

class FoldToolCli : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("mojiro-fold-test-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string WriteFile(const std::string& name, const std::string& bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    // Runs the tool with the arguments, standard input from `input`, and
    // standard output to `output` (a file of the test's own when empty).
    ToolRun Fold(const std::vector<std::string>& args, const std::string& input = "/dev/null",
                 std::string output = "") {
        if (output.empty())
            output = (dir_ / "out").string();
        const std::string err = (dir_ / "err").string();
        std::string command = Quote(MOJIRO_FOLD_EXE);
        for (const std::string& arg : args)
            command += " " + Quote(arg);
        command += " <" + Quote(input) + " >" + Quote(output) + " 2>" + Quote(err);
        const int raw = std::system(command.c_str());
        ToolRun run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = output == "/dev/full" ? "" : ReadFile(output);
        run.err = ReadFile(err);
        return run;
    }

private:
    static std::string Quote(const std::string& arg) {
        std::string quoted = "'";
        for (char c : arg)
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return quoted + "'";
    }
    static std::string ReadFile(const std::string& path) {
        std::ostringstream bytes;
        bytes << std::ifstream(path, std::ios::binary).rdbuf();
        return bytes.str();
    }

    fs::path dir_;
};

// A refusal is exit status 2 and one line on standard error, nothing written.
void ExpectRefused(const ToolRun& run) {
    EXPECT_EQ(2, run.status);
    EXPECT_EQ("", run.out);
    EXPECT_EQ(0u, run.err.rfind("mojiro-fold: ", 0)) << run.err;
    EXPECT_EQ(1, std::count(run.err.begin(), run.err.end(), '\n')) << run.err;
    EXPECT_EQ('\n', run.err.back());
}

// At 20 characters a row, the 21st character 、 may not begin the next row:
// the 20th character goes down with it.
TEST_F(FoldToolCli, PushesACommaOffTheStartOfARow) {
    const std::string file =
        WriteFile("comma.txt", Repeat(A, 19) + I + Comma + Repeat(U, 24) + "\r\n");
    const ToolRun run = Fold({"--window-defaults", "--line-length", "20", file});
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_EQ(Repeat(A, 19) + "\n" + I + Comma + Repeat(U, 18) + "\n" + Repeat(U, 6) + "\n",
              run.out);
}

TEST_F(FoldToolCli, HangsTheCommaPastTheEdgeWhenPunctuationIsOn) {
    const std::string file =
        WriteFile("comma.txt", Repeat(A, 19) + I + Comma + Repeat(U, 24) + "\r\n");
    const ToolRun run = Fold({"--window-defaults", "--line-length=20", "--punctuation=on", file});
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_EQ(Repeat(A, 19) + I + Comma + "\n" + Repeat(U, 20) + "\n" + Repeat(U, 4) + "\n",
              run.out);
}

// 「 as the 20th character would end the row; it starts the next one instead.
TEST_F(FoldToolCli, MovesAnOpeningBracketOffTheEndOfARow) {
    const std::string quote = Open + Repeat(Ki, 10) + Close + Repeat(U, 5);
    const std::string file = WriteFile("bracket.txt", Repeat(Ka, 19) + quote + "\r\n");
    const ToolRun run = Fold({"--window-defaults", "--line-length", "20", file});
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_EQ(Repeat(Ka, 19) + "\n" + quote + "\n", run.out);
}

// A line that fills its row exactly keeps its line break there (kind 0); a
// last line without a line break ends in kind 2.
TEST_F(FoldToolCli, KindsFormatShowsHowEachRowEnds) {
    const std::string file = WriteFile("kinds.txt", Repeat(A, 20) + "\r\n" + Repeat(I, 25));
    const ToolRun run = Fold({"--window-defaults", "--line-length=20", "--format=kinds", file});
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_EQ("0\t" + Repeat(A, 20) + "\n1\t" + Repeat(I, 20) + "\n2\t" + Repeat(I, 5) + "\n",
              run.out);

    const ToolRun count = Fold({"--window-defaults", "--line-length=20", "--count", file});
    EXPECT_EQ("3\n", count.out);
}

TEST_F(FoldToolCli, TabWidthDecidesWhereATabbedLineBreaks) {
    const std::string file = WriteFile("tab.txt", "\tabcdefghijklmno\r\n");
    EXPECT_EQ("\tabcdefghijklmno\n", Fold({"--wrap-byte=20", "--tab=4", file}).out);
    EXPECT_EQ("\tabcdefghijkl\nmno\n", Fold({"--wrap-byte=20", file}).out);
}

TEST_F(FoldToolCli, ReadsStandardInputWithEveryLineBreakConvention) {
    const std::string input = WriteFile("input.txt", "abc\r\ndef\rghi\n" + Repeat(A, 41));
    const ToolRun run = Fold({"-"}, input);
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_EQ("abc\ndef\nghi\n" + Repeat(A, 40) + "\n" + A + "\n", run.out);
}

TEST_F(FoldToolCli, RefusesAMissingFileAndABadOption) {
    ExpectRefused(Fold({(fs::temp_directory_path() / "no-such-mojiro-file.txt").string()}));
    ExpectRefused(Fold({"--wrap-byte", "wide", WriteFile("a.txt", "a")}));
}

TEST_F(FoldToolCli, ReportsAFailedWrite) {
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    const ToolRun run = Fold({WriteFile("a.txt", "abc\r\n")}, "/dev/null", "/dev/full");
    EXPECT_EQ(1, run.status);
    EXPECT_EQ(0u, run.err.rfind("mojiro-fold: ", 0)) << run.err;
}

} // namespace
