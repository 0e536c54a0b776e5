// Converting between character indexes and rows, which the caret, the
// selection and the edit-control messages do all the time: a lookup should
// cost about the same in a small and in a huge document.
#include "BenchSupport.h"

#include <cstdint>
#include <vector>

namespace mojiro::bench {
namespace {

TEditorScreenStrings& Document(const benchmark::State& state) {
    TEditorScreenStrings& rows =
        LoadedDocument(static_cast<std::size_t>(state.range(0)), static_cast<int>(state.range(1)));
    return rows;
}

void BM_RowFromCharIndexNearEnd(benchmark::State& state) {
    TEditorScreenStrings& rows = Document(state);
    std::ptrdiff_t index = rows.TextLength() - 10;
    for (auto _ : state) {
        benchmark::DoNotOptimize(index);
        benchmark::DoNotOptimize(rows.RowFromCharIndex(index));
    }
    state.counters["rows"] = rows.Count();
}
BENCHMARK(BM_RowFromCharIndexNearEnd)->Apply(CorpusAndWidthArgs);

// Indexes spread over the whole document, so that the search does not find
// its path already in the cache as it does for one index asked again.
void BM_RowFromCharIndexScattered(benchmark::State& state) {
    TEditorScreenStrings& rows = Document(state);
    std::vector<std::ptrdiff_t> indexes(4096);
    std::uint64_t seed = 0x9E3779B97F4A7C15u;
    for (std::ptrdiff_t& index : indexes) {
        seed = seed * 6364136223846793005u + 1442695040888963407u;
        index = static_cast<std::ptrdiff_t>((seed >> 16) %
                                            static_cast<std::uint64_t>(rows.TextLength()));
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rows.RowFromCharIndex(indexes[next]));
        next = (next + 1) % indexes.size();
    }
    state.counters["rows"] = rows.Count();
}
BENCHMARK(BM_RowFromCharIndexScattered)->Apply(CorpusAndWidthArgs);

void BM_RowCharIndexOfLastRow(benchmark::State& state) {
    TEditorScreenStrings& rows = Document(state);
    int row = rows.Count() - 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(row);
        benchmark::DoNotOptimize(rows.RowCharIndex(row));
    }
}
BENCHMARK(BM_RowCharIndexOfLastRow)->Apply(CorpusAndWidthArgs);

void BM_TextLength(benchmark::State& state) {
    TEditorScreenStrings& rows = Document(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(rows.TextLength());
    if (rows.TextLength() != static_cast<std::ptrdiff_t>(state.range(0)))
        state.SkipWithError("the document is not the whole corpus");
}
BENCHMARK(BM_TextLength)->Apply(CorpusAndWidthArgs);

} // namespace
} // namespace mojiro::bench
