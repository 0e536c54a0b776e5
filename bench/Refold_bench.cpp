// Changing the folding width refolds every line of the document.
#include "BenchSupport.h"

namespace mojiro::bench {
namespace {

// Each iteration moves the width between 80 and 82, so each one refolds the
// whole 100 MiB document.
void BM_RefoldOnWrapByteChange(benchmark::State& state) {
    BenchDocument doc(80);
    doc.rows->LoadFromBytes(Corpus(kLargeCorpus));
    const std::ptrdiff_t length = doc.rows->TextLength();
    int wrap = 80;
    for (auto _ : state) {
        wrap = wrap == 80 ? 82 : 80;
        doc.rows->WrapOption().SetWrapByte(wrap);
        benchmark::DoNotOptimize(doc.rows->Count());
    }
    if (doc.rows->TextLength() != length)
        state.SkipWithError("refolding changed the document's length");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(kLargeCorpus));
    state.counters["rows"] = doc.rows->Count();
}
BENCHMARK(BM_RefoldOnWrapByteChange)->Iterations(4)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace mojiro::bench
