// Files and folders for tests that touch the file system: a fresh folder per
// test, whole-file reads and writes, and a child process without root's
// privileges for the permission cases.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace mojiro::test {

namespace fs = std::filesystem;

// An empty folder named after the running test.
inline fs::path FreshFolder() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const fs::path path =
        fs::temp_directory_path() / ("mojiro-" + std::to_string(::getpid()) + "-" +
                                     test->test_suite_name() + "-" + test->name());
    fs::remove_all(path);
    fs::create_directories(path);
    return path;
}

// A fresh folder, removed again when the test ends.
class TempFolder {
public:
    TempFolder() : path_(FreshFolder()) {}
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] const fs::path& Path() const { return path_; }
    [[nodiscard]] fs::path operator/(const std::string& name) const { return path_ / name; }

    // The names in the folder, sorted.
    [[nodiscard]] std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    fs::path path_;
};

inline std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Makes the file's folder when it is missing.
inline void Put(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// Runs action in a child process as the user nobody (root passes every
// permission check) and returns the text it reported, or what went wrong.
inline std::string AsNobody(const std::function<std::string()>& action) {
    int fds[2];
    if (::pipe(fds) != 0) {
        return "no pipe";
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        std::string report;
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            report = "cannot become nobody";
        } else {
            try {
                report = action();
            } catch (const std::exception& e) {
                report = std::string("exception: ") + e.what();
            }
        }
        [[maybe_unused]] const auto written = ::write(fds[1], report.data(), report.size());
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string report;
    char buffer[512];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) {
        report.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return report;
}

} // namespace mojiro::test
