// Saving replaces a file only once the new text is safely on disk, keeps the
// previous text as the ".bak" when asked, and leaves everything as it was
// when any step fails.
#include "FileTestSupport.h"
#include "app/SafeSave.h"
#include "editor/EditorTypes.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

namespace mojiro {
namespace {

using test::Bytes;
using test::Put;
using Entries = std::vector<std::string>;

TextProducer TextOf(const std::string& text) {
    return [text](const ByteSink& sink) { sink(text); };
}

// Fails the chosen call with the chosen error; a failing write first lets
// `writeLimit` bytes through, as a disk filling up half-way would.
class FailingCalls : public FileCalls {
public:
    enum class Step { None, Write, Sync, Link, RenameOverFile, RenameToBackup };
    Step failing = Step::None;
    int error = EIO;
    std::size_t writeLimit = 0;

    ssize_t Write(int fd, const void* data, std::size_t size) override {
        if (failing != Step::Write) {
            return FileCalls::Write(fd, data, size);
        }
        if (written_ < writeLimit) {
            const std::size_t n = std::min(size, writeLimit - written_);
            written_ += n;
            return FileCalls::Write(fd, data, n);
        }
        return Fail();
    }
    int Sync(int fd) override { return failing == Step::Sync ? Fail() : FileCalls::Sync(fd); }
    int Link(const char* from, const char* to) override {
        return failing == Step::Link ? Fail() : FileCalls::Link(from, to);
    }
    int Rename(const char* from, const char* to) override {
        const bool toBackup = std::string_view(to).ends_with(".bak");
        if (failing == (toBackup ? Step::RenameToBackup : Step::RenameOverFile)) {
            return Fail();
        }
        return FileCalls::Rename(from, to);
    }

private:
    int Fail() const {
        errno = error;
        return -1;
    }
    std::size_t written_ = 0;
};

class SafeSave : public ::testing::Test {
protected:
    SafeSave() {
        Put(file, "old text");
        Put(backup, "older text");
    }

    // Saves "new text" and returns the error message, or "saved".
    std::string SaveWith(FileCalls& calls, BackupMode mode = BackupMode::KeepPrevious) {
        try {
            outcome = SaveFileSafely(file, TextOf("new text"), mode, calls);
            return "saved";
        } catch (const FileError& e) {
            return e.what();
        }
    }

    void ExpectUntouched() {
        EXPECT_EQ("old text", Bytes(file));
        EXPECT_EQ("older text", Bytes(backup));
        EXPECT_EQ((Entries{"a.bak", "a.txt"}), folder.Entries());
    }

    test::TempFolder folder;
    const std::filesystem::path file = folder / "a.txt";
    const std::filesystem::path backup = folder / "a.bak";
    FailingCalls calls;
    SaveOutcome outcome;
};

TEST_F(SafeSave, OverwritingWithBackupKeepsThePreviousTextAsBak) {
    EXPECT_EQ("saved", SaveWith(calls));
    EXPECT_EQ("new text", Bytes(file));
    EXPECT_EQ("old text", Bytes(backup));
    EXPECT_EQ("", outcome.backupError);
    EXPECT_EQ((Entries{"a.bak", "a.txt"}), folder.Entries());
}

TEST_F(SafeSave, OverwritingWithoutBackupLeavesAnOlderBakAlone) {
    EXPECT_EQ("saved", SaveWith(calls, BackupMode::None));
    EXPECT_EQ("new text", Bytes(file));
    EXPECT_EQ("older text", Bytes(backup));
}

TEST_F(SafeSave, ReplacedFileKeepsItsPermissions) {
    std::filesystem::permissions(file, std::filesystem::perms(0640));
    SaveWith(calls);
    EXPECT_EQ(std::filesystem::perms(0640),
              std::filesystem::status(file).permissions() & std::filesystem::perms::mask);
}

TEST_F(SafeSave, TextLargerThanTheBufferArrivesWhole) {
    std::string expected;
    const auto produce = [&expected](const ByteSink& sink) {
        for (int i = 0; i < 3000; ++i) {
            const std::string row(static_cast<std::size_t>(i % 997),
                                  static_cast<char>('a' + i % 26));
            sink(row);
            sink("\r\n");
            expected += row + "\r\n";
        }
        const std::string huge(3 << 20, 'z'); // one piece beyond the buffer
        sink(huge);
        expected += huge;
    };
    SaveFileSafely(file, produce, BackupMode::None);
    EXPECT_EQ(expected.size(), Bytes(file).size());
    EXPECT_TRUE(Bytes(file) == expected);
}

TEST_F(SafeSave, WriteFailingHalfWayLeavesEverythingAsItWas) {
    calls.failing = FailingCalls::Step::Write;
    calls.error = ENOSPC;
    calls.writeLimit = 3;
    const std::string message = SaveWith(calls);
    EXPECT_NE(std::string::npos, message.find(file.string())) << message;
    EXPECT_NE(std::string::npos, message.find("No space left on device")) << message;
    ExpectUntouched();
}

TEST_F(SafeSave, FailingFlushOrRenameLeavesEverythingAsItWas) {
    for (const auto step : {FailingCalls::Step::Sync, FailingCalls::Step::RenameOverFile}) {
        calls.failing = step;
        const std::string message = SaveWith(calls);
        EXPECT_NE(std::string::npos, message.find("Input/output error")) << message;
        ExpectUntouched();
    }
}

TEST_F(SafeSave, FileSystemWithoutLinksGetsACopiedBackup) {
    calls.failing = FailingCalls::Step::Link;
    calls.error = EPERM;
    EXPECT_EQ("saved", SaveWith(calls));
    EXPECT_EQ("new text", Bytes(file));
    EXPECT_EQ("old text", Bytes(backup));
    EXPECT_EQ((Entries{"a.bak", "a.txt"}), folder.Entries());
}

TEST_F(SafeSave, BackupThatCannotBeMadeIsReportedAndTheSaveGoesOn) {
    calls.failing = FailingCalls::Step::RenameToBackup;
    calls.error = EACCES;
    EXPECT_EQ("saved", SaveWith(calls));
    EXPECT_EQ("new text", Bytes(file));
    EXPECT_EQ("older text", Bytes(backup));
    EXPECT_EQ("Permission denied", outcome.backupError);
    EXPECT_EQ((Entries{"a.bak", "a.txt"}), folder.Entries());
}

TEST_F(SafeSave, FolderThatCannotBeWrittenFailsWithoutTouchingTheFile) {
    // The file itself could be written in place; the save must still refuse.
    std::filesystem::permissions(file, std::filesystem::perms(0666));
    std::filesystem::permissions(backup, std::filesystem::perms(0666));
    const std::string report = test::AsNobody([this] {
        try {
            SaveFileSafely(file, TextOf("new text"), BackupMode::KeepPrevious);
            return std::string("saved");
        } catch (const FileError& e) {
            return std::string(e.what());
        }
    });
    EXPECT_EQ("Cannot create file \"" + file.string() + "\". Permission denied", report);
    ExpectUntouched();
}

} // namespace
} // namespace mojiro
