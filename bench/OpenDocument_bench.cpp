// Opening a 100 MB article in the editor as the main window sets it up (the
// design property set: window wrapping options, marks, colours) and painting
// its first screen, rendered into an image on the offscreen platform.
#include "BenchSupport.h"
#include "QtBench.h"
#include "editor/control/TEditor.h"
#include "settings/EditorProp.h"

#include <QImage>
#include <memory>

namespace mojiro::bench {
namespace {

void BM_OpenArticleAndFirstPaint(benchmark::State& state) {
    EnsureOffscreenApplication();
    const std::string& path = CorpusFile(kLargeCorpus);
    TEditorProp design;
    design.SetDesignValues();
    for (auto _ : state) {
        TEditor editor;
        editor.resize(650, 400);
        editor.show();
        design.AssignTo(editor);
        editor.Lines().LoadFromFile(path);
        QImage image(editor.viewport()->size(), QImage::Format_RGB32);
        editor.viewport()->render(&image);
        benchmark::DoNotOptimize(image.constBits());
        state.counters["rows"] = editor.RowCount();
    }
}
BENCHMARK(BM_OpenArticleAndFirstPaint)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace mojiro::bench
