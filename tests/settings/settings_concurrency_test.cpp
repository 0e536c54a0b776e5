// Instances of the program running side by side share one settings file.
#include "settings/SettingsStore.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

namespace mojiro {
namespace {

namespace fs = std::filesystem;

constexpr int kValuesPerWriter = 500;

std::string ValueOf(const std::string& name) {
    return "value of " + name + " padded so that a file is written in more than one piece";
}

// Writes kValuesPerWriter values of its own into the Search section.
int RunWriter(const fs::path& file, char writer) {
    try {
        SettingsStore store(file);
        store.Open();
        for (int i = 0; i < kValuesPerWriter; ++i) {
            const std::string name = writer + std::to_string(i);
            store.WriteString("Search", name, ValueOf(name));
        }
        return 0;
    } catch (const std::exception&) {
        return 1;
    }
}

// Reads the raw file again and again until it holds every value. Exit codes:
// 0 done, 2 a file that was not whole, 3 a value that went missing again,
// 4 out of time.
int RunReader(const fs::path& file, int expected) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    int seen = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
        if (!bytes.empty() && bytes.back() != '\n') {
            return 2;
        }
        int values = 0;
        for (std::size_t start = 0; start < bytes.size();) {
            const std::size_t end = bytes.find('\n', start);
            const std::string line = bytes.substr(start, end - start);
            start = end + 1;
            const std::size_t equals = line.find('=');
            if (line == "[Search]") {
                continue;
            }
            if (equals == std::string::npos ||
                line.substr(equals + 1) != ValueOf(line.substr(0, equals))) {
                return 2;
            }
            ++values;
        }
        if (values < seen) {
            return 3;
        }
        seen = values;
        if (seen == expected) {
            return 0;
        }
    }
    return 4;
}

pid_t Spawn(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::_exit(body());
    }
    return pid;
}

int ExitCode(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SettingsConcurrency, TwoWritersLoseNoValueAndAReaderNeverSeesAHalfWrittenFile) {
    const fs::path dir =
        fs::temp_directory_path() / ("mojiro-settings-concurrency-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    const fs::path file = dir / "Mojiro" / "Mojiro.ini";
    SettingsStore store(file);
    store.Open();

    const pid_t reader = Spawn([&] { return RunReader(file, 2 * kValuesPerWriter); });
    const pid_t first = Spawn([&] { return RunWriter(file, 'A'); });
    const pid_t second = Spawn([&] { return RunWriter(file, 'B'); });
    EXPECT_EQ(0, ExitCode(first));
    EXPECT_EQ(0, ExitCode(second));
    EXPECT_EQ(0, ExitCode(reader));

    int missing = 0;
    for (const char writer : {'A', 'B'}) {
        for (int i = 0; i < kValuesPerWriter; ++i) {
            const std::string name = writer + std::to_string(i);
            missing += store.ReadString("Search", name, "") != ValueOf(name) ? 1 : 0;
        }
    }
    EXPECT_EQ(0, missing);
    fs::remove_all(dir);
}

} // namespace
} // namespace mojiro
