// A typed character as the reporter's window handles it: the editor's edit,
// then the window's handlers (article status with both rules on, the
// commands that depend on the document and the selection, the search
// buttons), on a 100 KB and a 100 MB article. Repainting is left out: the
// application's event loop does not run between the keystrokes.
#include "BenchSupport.h"
#include "QtBench.h"
#include "app/LogoAppForm.h"
#include "editor/control/TEditor.h"
#include "settings/SettingsTable.h"

#include <QKeyEvent>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <unistd.h>

namespace mojiro::bench {
namespace {

// One window per article size, on a settings store of its own with both
// title and end rules on and markers that no row holds, so that every
// keystroke reads all the rows the rules may read.
TLogoAppForm& WindowFor(std::size_t bytes) {
    static std::map<std::size_t, TLogoAppForm*> windows;
    if (auto found = windows.find(bytes); found != windows.end())
        return *found->second;
    EnsureOffscreenApplication();
    const std::filesystem::path config =
        std::filesystem::temp_directory_path() / ("mojiro-bench-" + std::to_string(::getpid()));
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    {
        SettingsStore store(DefaultSettingsPath());
        store.Open();
        const std::string marker = "\x81\x9A\x81\x9A"; // ★★
        WriteSetting(store, BoolSetting{"Option", "TitleAble"}, true);
        WriteSetting(store, IntegerSetting{"Option", "TitleIndex"}, 1);
        WriteSetting(store, TextSetting{"Option", "TitleTopLetter"}, marker);
        WriteSetting(store, BoolSetting{"Option", "EndAble"}, true);
        WriteSetting(store, IntegerSetting{"Option", "EndIndex"}, 1);
        WriteSetting(store, TextSetting{"Option", "EndTopLetter"}, marker);
    }
    auto* window = new TLogoAppForm({CorpusFile(bytes)});
    window->show();
    QCoreApplication::processEvents();
    window->Editor1->setFocus();
    window->Editor1->MoveDocumentEnd();
    windows[bytes] = window;
    return *window;
}

void Key(QWidget* widget, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &release);
}

void BM_WindowTypedCharacter(benchmark::State& state) {
    TLogoAppForm& window = WindowFor(static_cast<std::size_t>(state.range(0)));
    TEditor* editor = window.Editor1;
    const std::ptrdiff_t length = editor->TextLength();
    for (auto _ : state) {
        Key(editor, Qt::Key_A, QStringLiteral("a"));
        state.PauseTiming();
        editor->KeyBackspace();
        state.ResumeTiming();
    }
    if (editor->TextLength() != length)
        state.SkipWithError("Backspace did not take the typed character away");
    state.counters["rows"] = editor->RowCount();
}
BENCHMARK(BM_WindowTypedCharacter)
    ->ArgName("bytes")
    ->Arg(static_cast<long long>(kSmallCorpus))
    ->Arg(static_cast<long long>(kLargeCorpus))
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace mojiro::bench
