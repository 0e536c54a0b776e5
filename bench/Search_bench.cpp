// Finding a text in the document: a search that finds nothing reads the whole
// text and should run at memory speed, and a match a few kilobytes from the
// caret should cost the same in a small and in a huge document.
#include "BenchEditor.h"
#include "editor/TextSearch.h"
#include "platform/Cp932Codec.h"

#include <string>

namespace mojiro::bench {
namespace {

// Texts the corpus does not hold: letters (both cases are candidates), a
// word of rare kanji, and one whose first byte begins every hiragana (a
// candidate every few bytes).
std::string MissText(const benchmark::State& state) {
    switch (state.range(0)) {
    case 0:
        return "Mojiro";
    case 1:
        return Utf8ToCp932("鬱蒼と茂る").bytes;
    default:
        return Utf8ToCp932("ぁぃぅぇぉ").bytes;
    }
}

void BM_SearchMissForward(benchmark::State& state) {
    TCustomEditor& editor = LoadedEditor(kLargeCorpus);
    const std::string text = MissText(state);
    for (auto _ : state) {
        if (FindText(editor.ListInfo(), text, 0, SearchDirection::Forward))
            state.SkipWithError("the text is in the corpus");
    }
    state.SetBytesProcessed(state.iterations() * editor.TextLength());
}
BENCHMARK(BM_SearchMissForward)->ArgName("text")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_SearchMissBackward(benchmark::State& state) {
    TCustomEditor& editor = LoadedEditor(kLargeCorpus);
    const std::string text = MissText(state);
    for (auto _ : state) {
        if (FindText(editor.ListInfo(), text, editor.TextLength(), SearchDirection::Backward))
            state.SkipWithError("the text is in the corpus");
    }
    state.SetBytesProcessed(state.iterations() * editor.TextLength());
}
BENCHMARK(BM_SearchMissBackward)->ArgName("text")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// From the middle of the document to the start of a row about 4 KB further
// on (or an earlier place holding the same eight bytes).
void BM_SearchHitNearCaret(benchmark::State& state) {
    TCustomEditor& editor = LoadedEditor(static_cast<std::size_t>(state.range(0)));
    const TEditorScreenStrings& rows = editor.ListInfo();
    const std::ptrdiff_t start = rows.TextLength() / 2;
    int target = rows.RowFromCharIndex(start + 4096);
    while (target + 1 < rows.Count() && rows.RowLength(target) < 8)
        ++target;
    const std::string text(rows.RowView(target).substr(0, 8));
    std::ptrdiff_t found = -1;
    for (auto _ : state) {
        found = FindText(rows, text, start, SearchDirection::Forward).value_or(-1);
        benchmark::DoNotOptimize(found);
    }
    if (found < 0)
        state.SkipWithError("no match");
    state.counters["distance"] = static_cast<double>(found - start);
}
BENCHMARK(BM_SearchHitNearCaret)
    ->ArgName("bytes")
    ->Arg(static_cast<long long>(kSmallCorpus))
    ->Arg(static_cast<long long>(kLargeCorpus));

} // namespace
} // namespace mojiro::bench
