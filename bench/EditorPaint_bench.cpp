// A full repaint of the editor control: an 80 x 50-cell view of Japanese copy
// with every token kind coloured, the enclosing pair 「」, web and mail
// addresses, and the end-of-file mark, return marks and caret-row underline
// shown, rendered into an image on the offscreen platform.
#include "BenchSupport.h"
#include "QtBench.h"
#include "editor/control/TEditor.h"

#include <QImage>
#include <memory>

namespace mojiro::bench {
namespace {

// The editor of the benchmark, made once.
struct PaintFixture {
    std::unique_ptr<TEditor> editor;
};

// Every colour of the view set, each token kind in its own colour.
void ColourEverything(TEditor& editor) {
    TEditorViewInfo& view = editor.View();
    view.SetUrl(true);
    view.SetMail(true);
    TEditorColors& colors = view.Colors();
    const TColor palette[] = {0x000080, 0x008000, 0x800000, 0x008080, 0x800080,
                              0x808000, 0x0000C0, 0x00C000, 0xC00000};
    TEditorColor* tokens[] = {&colors.Ank(), &colors.Comment(), &colors.DBCS(),
                              &colors.Int(), &colors.Mail(),    &colors.Reserve(),
                              &colors.Str(), &colors.Symbol(),  &colors.Url()};
    for (std::size_t i = 0; i < std::size(tokens); ++i)
        tokens[i]->SetColor(palette[i]);
    colors.Symbol().SetBkColor(0xE0F0FF);
    TEditorBracketCollection brackets;
    TEditorBracketItem& pair = brackets.Add();
    pair.SetLeftBracket("\x81\x75");  // 「
    pair.SetRightBracket("\x81\x76"); // 」
    pair.ItemColor().SetColor(0x0060C0);
    view.SetBrackets(brackets);

    TEditorMarks& marks = editor.Marks();
    marks.EofMark().SetVisible(true);
    marks.RetMark().SetVisible(true);
    marks.Underline().SetVisible(true);
}

// A view of exactly 80 x 50 cells showing the corpus folded at 80 columns,
// scrolled into its body, with the caret (and so the underline) on screen.
TEditor& PaintedEditor() {
    static PaintFixture fixture;
    if (fixture.editor)
        return *fixture.editor;
    EnsureOffscreenApplication();
    fixture.editor = std::make_unique<TEditor>();
    TEditor& e = *fixture.editor;
    e.show();
    QCoreApplication::processEvents();
    ColourEverything(e);
    e.WrapOption().SetWrapByte(80);
    e.SetWordWrap(true);
    e.ListInfo().LoadFromBytes(Corpus(kSmallCorpus));
    const int width = e.Margin().Left() + 80 * e.CharWidth();
    const int height = e.Margin().Top() + 50 * e.RowHeight();
    e.resize(e.width() + width - e.viewport()->width(),
             e.height() + height - e.viewport()->height());
    QCoreApplication::processEvents();
    e.SetTopRow(200);
    e.SetRowCol(220, 10);
    QCoreApplication::processEvents();
    return e;
}

void BM_FullRepaint80x50(benchmark::State& state) {
    TEditor& editor = PaintedEditor();
    QImage image(editor.viewport()->size(), QImage::Format_RGB32);
    const int rowsBefore = editor.PaintedRows();
    for (auto _ : state) {
        editor.viewport()->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["cols"] =
        (editor.viewport()->width() - editor.Margin().Left()) / editor.CharWidth();
    state.counters["rows_per_paint"] =
        benchmark::Counter(editor.PaintedRows() - rowsBefore, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FullRepaint80x50)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace mojiro::bench
