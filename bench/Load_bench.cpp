// Opening a document: splitting the bytes into lines and folding every line.
#include "BenchSupport.h"

namespace mojiro::bench {
namespace {

void BM_LoadFromBytes(benchmark::State& state) {
    const std::string& corpus = Corpus(static_cast<std::size_t>(state.range(0)));
    BenchDocument doc(static_cast<int>(state.range(1)));
    for (auto _ : state) {
        doc.rows->LoadFromBytes(corpus);
        benchmark::DoNotOptimize(doc.rows->Count());
    }
    if (doc.rows->TextLength() != static_cast<std::ptrdiff_t>(corpus.size()))
        state.SkipWithError("the loaded document is not the whole corpus");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(corpus.size()));
    state.counters["rows"] = doc.rows->Count();
}
BENCHMARK(BM_LoadFromBytes)->Apply(CorpusAndWidthArgs)->Unit(benchmark::kMillisecond);

// The file is read from the page cache once the first iteration has run, so
// this is the cost of reading and folding, not of the disk.
void BM_LoadFromFile(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(state.range(0));
    const std::string& path = CorpusFile(bytes);
    if (path.empty()) {
        state.SkipWithError("cannot write the corpus to a temporary file");
        return;
    }
    BenchDocument doc(static_cast<int>(state.range(1)));
    for (auto _ : state) {
        doc.rows->LoadFromFile(path);
        benchmark::DoNotOptimize(doc.rows->Count());
    }
    if (doc.rows->TextLength() != static_cast<std::ptrdiff_t>(bytes))
        state.SkipWithError("the loaded document is not the whole corpus");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes));
    state.counters["rows"] = doc.rows->Count();
}
BENCHMARK(BM_LoadFromFile)->Apply(CorpusAndWidthArgs)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace mojiro::bench
