// Folding one logical line without a break must stay linear in its length:
// the same throughput for 1 MB and 10 MB lines.
#include "BenchSupport.h"

namespace mojiro::bench {
namespace {

// A line of the article corpus with every line break taken out.
const std::string& LongLine(std::size_t bytes) {
    static std::map<std::size_t, std::string> cache;
    auto found = cache.find(bytes);
    if (found == cache.end()) {
        std::string line;
        line.reserve(bytes);
        for (char c : Corpus(kLargeCorpus)) {
            if (line.size() == bytes)
                break;
            if (c != '\r' && c != '\n')
                line.push_back(c);
        }
        found = cache.emplace(bytes, std::move(line)).first;
    }
    return found->second;
}

void BM_LoadOneLongLine(benchmark::State& state) {
    const std::string& line = LongLine(static_cast<std::size_t>(state.range(0)));
    BenchDocument doc(static_cast<int>(state.range(1)));
    for (auto _ : state) {
        doc.rows->LoadFromBytes(line);
        benchmark::DoNotOptimize(doc.rows->Count());
    }
    if (doc.rows->TextLength() != static_cast<std::ptrdiff_t>(line.size()))
        state.SkipWithError("the loaded line is not the whole text");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(line.size()));
    state.counters["rows"] = doc.rows->Count();
}
BENCHMARK(BM_LoadOneLongLine)
    ->ArgsProduct({{std::int64_t{1} << 20, std::int64_t{10} << 20}, {24, 80}})
    ->ArgNames({"bytes", "wrap"})
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace mojiro::bench
