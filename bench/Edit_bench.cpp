// Typing one character in the middle of a document: the edit refolds one
// logical line, so its cost should hardly depend on the document's size.
#include "BenchSupport.h"

namespace mojiro::bench {
namespace {

// Paragraph lengths that count as ordinary body text; the corpus median is
// about 270 bytes.
constexpr std::ptrdiff_t kMinParagraph = 250;
constexpr std::ptrdiff_t kMaxParagraph = 350;

// A caret position inside an ordinary paragraph at or after the middle of the
// document: the start of the paragraph's middle row. Taking the middle row
// as it comes could land on an empty line or a paragraph of several KB, and
// the two document sizes would then not be compared like for like.
struct EditPoint {
    std::ptrdiff_t index = -1;
    std::ptrdiff_t lineBytes = 0;
};

EditPoint FindEditPoint(const TEditorScreenStrings& rows) {
    for (int row = rows.Count() / 2; row < rows.Count();) {
        const int first = rows.LineFirstRow(row);
        const int last = rows.LineLastRow(row);
        const std::ptrdiff_t bytes = rows.ByteStart(last + 1) - rows.ByteStart(first);
        if (bytes >= kMinParagraph && bytes <= kMaxParagraph)
            return {rows.RowCharIndex(first + (last - first) / 2), bytes};
        row = last + 1;
    }
    return {};
}

// Inserts one byte before character index `at`, as typing does: the caret's
// row is replaced by its text with the byte added.
void InsertByte(TEditorScreenStrings& rows, std::ptrdiff_t at, char byte) {
    const int row = rows.RowFromCharIndex(at);
    std::string text = rows.RowsText(row, 1).text;
    text.insert(static_cast<std::size_t>(at - rows.RowCharIndex(row)), 1, byte);
    rows.ReplaceRows(row, 1, text);
}

// Removes the byte at character index `at`; false when it is not `byte`.
bool EraseByte(TEditorScreenStrings& rows, std::ptrdiff_t at, char byte) {
    const int row = rows.RowFromCharIndex(at);
    std::string text = rows.RowsText(row, 1).text;
    const auto offset = static_cast<std::size_t>(at - rows.RowCharIndex(row));
    if (offset >= text.size() || text[offset] != byte)
        return false;
    text.erase(offset, 1);
    rows.ReplaceRows(row, 1, text);
    return true;
}

// The shared document of the benchmark's corpus and width, and the edit
// point in it; null (with the benchmark skipped) when the corpus has no
// ordinary paragraph after its middle.
TEditorScreenStrings* Prepare(benchmark::State& state, EditPoint& point) {
    TEditorScreenStrings& rows =
        LoadedDocument(static_cast<std::size_t>(state.range(0)), static_cast<int>(state.range(1)));
    point = FindEditPoint(rows);
    if (point.index < 0) {
        state.SkipWithError("no ordinary paragraph after the middle of the corpus");
        return nullptr;
    }
    state.counters["lineBytes"] = static_cast<double>(point.lineBytes);
    return &rows;
}

// One iteration is an edit and its undo, so the document is the same before
// every iteration and no timer has to be paused.
void BM_ReplaceRowsAndUndo(benchmark::State& state) {
    EditPoint point;
    TEditorScreenStrings* rows = Prepare(state, point);
    if (rows == nullptr)
        return;
    const std::ptrdiff_t length = rows->TextLength();
    for (auto _ : state) {
        InsertByte(*rows, point.index, 'x');
        rows->Undo();
    }
    if (rows->TextLength() != length)
        state.SkipWithError("undo did not restore the document's length");
}
BENCHMARK(BM_ReplaceRowsAndUndo)->Apply(CorpusAndWidthArgs);

// One iteration is one edit: typing a byte and erasing it take turns, each
// a ReplaceRows of its own with its own undo record.
void BM_ReplaceRowsTypeOrErase(benchmark::State& state) {
    EditPoint point;
    TEditorScreenStrings* rows = Prepare(state, point);
    if (rows == nullptr)
        return;
    const std::ptrdiff_t length = rows->TextLength();
    bool typed = false;
    bool erasedWhatWasTyped = true;
    for (auto _ : state) {
        if (typed)
            erasedWhatWasTyped &= EraseByte(*rows, point.index, 'x');
        else
            InsertByte(*rows, point.index, 'x');
        typed = !typed;
    }
    if (typed)
        erasedWhatWasTyped &= EraseByte(*rows, point.index, 'x');
    if (!erasedWhatWasTyped || rows->TextLength() != length)
        state.SkipWithError("the typed byte was not found where it was typed");
}
BENCHMARK(BM_ReplaceRowsTypeOrErase)->Apply(CorpusAndWidthArgs);

} // namespace
} // namespace mojiro::bench
