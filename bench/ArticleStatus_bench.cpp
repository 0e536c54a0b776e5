// The article status after each keystroke, with both the title and the end
// rule on: it reads only the first 21 and the last 20 rows, so it should cost
// about the same in a 100 KB and in a 100 MB article.
#include "BenchEditor.h"
#include "app/ArticleStatus.h"
#include "editor/CustomEditor.h"

#include <chrono>
#include <map>
#include <memory>
#include <string>

namespace mojiro::bench {
namespace {

// Both rules look for a marker the corpus never holds (★★), so that every
// computation reads all the rows the rules may read.
TStatusRules WorstCaseRules() {
    TStatusRules rules;
    rules.titleAble = true;
    rules.titleIndex = TSeparatorRule::StartsWithMarker;
    rules.titleTopLetter = "\x81\x9A\x81\x9A"; // ★★
    rules.endAble = rules.titleAble;
    rules.endIndex = rules.titleIndex;
    rules.endTopLetter = rules.titleTopLetter;
    return rules;
}

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// One character typed at the end of the article, then the status computation
// (Editor1Change with its caret computation), timed alone; the Backspace that
// takes the character away again is not counted.
void BM_RecomputeAfterTypedCharacter(benchmark::State& state) {
    TCustomEditor& editor = LoadedEditor(static_cast<std::size_t>(state.range(0)));
    editor.MoveDocumentEnd();
    const std::ptrdiff_t length = editor.TextLength();
    ArticleStatus status(WorstCaseRules());
    bool wholeArticleIsBody = true;
    for (auto _ : state) {
        editor.InsertText("a");
        const Clock::time_point start = Clock::now();
        const TArticleStatusResult result =
            status.Recompute(editor, editor.Row(), TDocumentName::Named);
        const Clock::time_point end = Clock::now();
        // Nothing is found, so every row is body.
        wholeArticleIsBody &= result.bodyRowCount == editor.RowCount();
        editor.KeyBackspace();
        state.SetIterationTime(Seconds(start, end));
    }
    if (editor.TextLength() != length)
        state.SkipWithError("Backspace did not take the typed character away");
    if (!wholeArticleIsBody)
        state.SkipWithError("a separator was found in a corpus that has none");
    state.counters["rows"] = editor.RowCount();
}
BENCHMARK(BM_RecomputeAfterTypedCharacter)
    ->ArgName("bytes")
    ->Arg(static_cast<long long>(kSmallCorpus))
    ->Arg(static_cast<long long>(kLargeCorpus))
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// The whole keystroke as the window sees it: the typed character and the
// status computation together.
void BM_TypeCharacterAndRecompute(benchmark::State& state) {
    TCustomEditor& editor = LoadedEditor(static_cast<std::size_t>(state.range(0)));
    editor.MoveDocumentEnd();
    const std::ptrdiff_t length = editor.TextLength();
    ArticleStatus status(WorstCaseRules());
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        editor.InsertText("a");
        benchmark::DoNotOptimize(status.Recompute(editor, editor.Row(), TDocumentName::Named));
        const Clock::time_point end = Clock::now();
        editor.KeyBackspace();
        state.SetIterationTime(Seconds(start, end));
    }
    if (editor.TextLength() != length)
        state.SkipWithError("Backspace did not take the typed character away");
}
BENCHMARK(BM_TypeCharacterAndRecompute)
    ->ArgName("bytes")
    ->Arg(static_cast<long long>(kSmallCorpus))
    ->Arg(static_cast<long long>(kLargeCorpus))
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace mojiro::bench
