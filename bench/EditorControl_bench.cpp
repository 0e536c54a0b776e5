// The editor view's per-keystroke work on a whole document: typing and
// erasing at the end, selecting everything and measuring it, and placing the
// caret by character index. Each should cost about the same in a 100 KB and
// in a 100 MB document, since none of them may walk the rows from the top.
#include "BenchEditor.h"

#include <chrono>
#include <map>
#include <memory>
#include <string>

namespace mojiro::bench {
namespace {

void CorpusArgs(benchmark::internal::Benchmark* b) {
    b->ArgName("bytes");
    b->Arg(static_cast<long long>(kSmallCorpus));
    b->Arg(static_cast<long long>(kLargeCorpus));
}

TCustomEditor& Editor(benchmark::State& state) {
    TCustomEditor& editor = LoadedEditor(static_cast<std::size_t>(state.range(0)));
    editor.SetSelStart(0);
    state.counters["rows"] = editor.RowCount();
    return editor;
}

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// Whether typing at the caret adds one character and Backspace takes it
// away, so that the timings below are of edits that really happen.
bool TypesAndErases(TCustomEditor& editor) {
    const std::ptrdiff_t length = editor.TextLength();
    editor.InsertText("a");
    const bool typed = editor.TextLength() == length + 1;
    editor.KeyBackspace();
    return typed && editor.TextLength() == length;
}

// One typed character at the end of the text, timed alone; the Backspace
// that takes it away again is not counted.
void BM_TypeCharacterAtEnd(benchmark::State& state) {
    TCustomEditor& editor = Editor(state);
    editor.MoveDocumentEnd();
    const std::ptrdiff_t length = editor.TextLength();
    if (!TypesAndErases(editor))
        state.SkipWithError("typing at the end did not add one character");
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        editor.InsertText("a");
        const Clock::time_point end = Clock::now();
        editor.KeyBackspace();
        state.SetIterationTime(Seconds(start, end));
    }
    if (editor.TextLength() != length)
        state.SkipWithError("Backspace did not take the typed character away");
}
BENCHMARK(BM_TypeCharacterAtEnd)->Apply(CorpusArgs)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Backspace at the end of the text, timed alone, after an untimed typed character.
void BM_BackspaceAtEnd(benchmark::State& state) {
    TCustomEditor& editor = Editor(state);
    editor.MoveDocumentEnd();
    const std::ptrdiff_t length = editor.TextLength();
    if (!TypesAndErases(editor))
        state.SkipWithError("typing at the end did not add one character");
    for (auto _ : state) {
        editor.InsertText("a");
        const Clock::time_point start = Clock::now();
        editor.KeyBackspace();
        const Clock::time_point end = Clock::now();
        state.SetIterationTime(Seconds(start, end));
    }
    if (editor.TextLength() != length)
        state.SkipWithError("Backspace did not take the typed character away");
}
BENCHMARK(BM_BackspaceAtEnd)->Apply(CorpusArgs)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Ctrl+A and reading the selection's length, as the status bar and the
// edit-control message EM_GETSEL do.
void BM_SelectAllAndSelLength(benchmark::State& state) {
    TCustomEditor& editor = Editor(state);
    for (auto _ : state) {
        editor.SelectAll();
        benchmark::DoNotOptimize(editor.SelLength());
    }
    if (editor.SelLength() != editor.TextLength())
        state.SkipWithError("SelectAll did not select the whole text");
    editor.SetSelStart(0);
}
BENCHMARK(BM_SelectAllAndSelLength)->Apply(CorpusArgs)->Unit(benchmark::kMicrosecond);

// Placing the caret in the middle of the text by character index; two
// places some rows apart take turns, so that every call moves the caret.
void BM_SetSelStartToMiddle(benchmark::State& state) {
    TCustomEditor& editor = Editor(state);
    const std::ptrdiff_t middle = editor.TextLength() / 2;
    const std::ptrdiff_t places[2] = {middle, middle + 4000};
    std::size_t next = 0;
    for (auto _ : state) {
        editor.SetSelStart(places[next]);
        next ^= 1;
    }
    benchmark::DoNotOptimize(editor.Row());
}
BENCHMARK(BM_SetSelStartToMiddle)->Apply(CorpusArgs)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace mojiro::bench
