// mojiro_peak_rss FILE [WRAPBYTE]: loads FILE into a document folded as the
// main window folds it and reports the process's peak resident memory
// against the file's size. Run it on a file written beforehand (for example
// by mojiro-corpus) so that making the text does not count.
#include "BenchSupport.h"

#include <charconv>
#include <cstdio>
#include <exception>
#include <string_view>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// Peak resident set of this process so far, in bytes (Linux reports KiB).
long long PeakResidentBytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<long long>(usage.ru_maxrss) * 1024;
}

// Resident set now, in bytes; -1 when /proc cannot tell.
long long ResidentBytes() {
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm == nullptr)
        return -1;
    long long size = 0;
    long long resident = -1;
    if (std::fscanf(statm, "%lld %lld", &size, &resident) != 2)
        resident = -1;
    std::fclose(statm);
    return resident < 0 ? -1 : resident * ::sysconf(_SC_PAGESIZE);
}

double MiB(long long bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char** argv) {
    int wrapByte = 80;
    if (argc < 2 || argc > 3 ||
        (argc == 3 &&
         std::from_chars(argv[2], argv[2] + std::string_view(argv[2]).size(), wrapByte).ec !=
             std::errc())) {
        std::fputs("usage: mojiro_peak_rss FILE [WRAPBYTE]\n", stderr);
        return 2;
    }
    struct stat info {};
    if (::stat(argv[1], &info) != 0 || info.st_size <= 0) {
        std::fprintf(stderr, "mojiro_peak_rss: %s is missing or empty\n", argv[1]);
        return 1;
    }
    const long long fileBytes = info.st_size;
    const long long before = PeakResidentBytes();
    try {
        mojiro::bench::BenchDocument doc(wrapByte);
        doc.rows->LoadFromFile(argv[1]);
        const long long peak = PeakResidentBytes();
        const long long resident = ResidentBytes();
        std::printf("file               %lld bytes (%.1f MiB)\n", fileBytes, MiB(fileBytes));
        std::printf("wrap byte          %d, %d rows, %d lines\n", doc.rows->WrapOption().WrapByte(),
                    doc.rows->Count(), doc.rows->LineCount());
        std::printf("peak RSS at start  %.1f MiB\n", MiB(before));
        std::printf("peak RSS           %.1f MiB = %.2f x file\n", MiB(peak),
                    static_cast<double>(peak) / static_cast<double>(fileBytes));
        std::printf("RSS after loading  %.1f MiB = %.2f x file\n", MiB(resident),
                    static_cast<double>(resident) / static_cast<double>(fileBytes));
        std::printf("row list memory    %.1f MiB = %.2f x file\n",
                    MiB(static_cast<long long>(doc.rows->MemoryUsed())),
                    static_cast<double>(doc.rows->MemoryUsed()) / static_cast<double>(fileBytes));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "mojiro_peak_rss: %s\n", e.what());
        return 1;
    }
    return 0;
}
