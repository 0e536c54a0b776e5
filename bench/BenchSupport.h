// What the text-model benchmarks share: a quiet view, the corpora (built once
// per process, since the large one takes the better part of a second) and a
// document folded the way the main window folds.
#pragma once

#include "ArticleCorpus.h"
#include "editor/EditorViewInfo.h"
#include "editor/EditorViewLink.h"
#include "editor/ScreenStrings.h"

#include <benchmark/benchmark.h>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <utility>

namespace mojiro::bench {

inline constexpr std::size_t kSmallCorpus = std::size_t{100} << 10; // 100 KiB
inline constexpr std::size_t kLargeCorpus = std::size_t{100} << 20; // 100 MiB

// A view that asks for nothing: the main window's tab width and screen
// height, no enclosing pairs, and no repainting work.
class BenchView : public EditorViewLink {
public:
    [[nodiscard]] bool HasFocus() const override { return true; }
    [[nodiscard]] bool IsLoadingProperties() const override { return false; }
    [[nodiscard]] int TabSpaceCount() const override { return 8; }
    [[nodiscard]] const Delimiters& DelimiterSet() const override { return DefaultDelimiters(); }
    [[nodiscard]] const TEditorViewInfo& ViewInfo() const override { return info_; }
    [[nodiscard]] int Row() const override { return row_; }
    [[nodiscard]] int Col() const override { return col_; }
    void SetRow(int row) override { row_ = row; }
    void SetCol(int col) override { col_ = col; }
    void SetCaretByCharIndex(int row, std::ptrdiff_t) override { row_ = row; }
    void CaretBeginUpdate() override {}
    void CaretEndUpdate() override {}
    [[nodiscard]] int TopRow() const override { return 0; }
    [[nodiscard]] int ScreenRows() const override { return 40; }
    void CleanSelection() override {}
    void RowListChanged() override {}
    void ClampToRowCount() override {}
    void RepaintRow(int) override {}
    void RowListRefolded() override { row_ = col_ = 0; }
    void ResetCaret() override { row_ = col_ = 0; }

private:
    TEditorViewInfo info_;
    int row_ = 0;
    int col_ = 0;
};

// The corpus of `bytes` bytes, made on first use and kept for the process.
inline const std::string& Corpus(std::size_t bytes) {
    static std::map<std::size_t, std::string> cache;
    auto found = cache.find(bytes);
    if (found == cache.end())
        found = cache.emplace(bytes, MakeArticleCorpus(bytes)).first;
    return found->second;
}

// The corpus of `bytes` bytes written to a temporary file, removed at exit.
inline const std::string& CorpusFile(std::size_t bytes) {
    struct TempFile {
        std::string path;
        ~TempFile() {
            if (!path.empty())
                std::remove(path.c_str());
        }
    };
    static std::map<std::size_t, TempFile> cache;
    TempFile& file = cache[bytes];
    if (file.path.empty()) {
        const std::string path =
            (std::filesystem::temp_directory_path() /
             ("mojiro-bench-" + std::to_string(::getpid()) + "-" + std::to_string(bytes) + ".txt"))
                .string();
        const std::string& text = Corpus(bytes);
        std::ofstream out(path, std::ios::binary);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out)
            return file.path; // empty: the caller reports the failure
        file.path = path;
    }
    return file.path;
}

// An empty document with a view attached and folding set as the main window
// sets it (its defaults, then the width under test), so that loading folds.
struct BenchDocument {
    explicit BenchDocument(int wrapByte) : rows(std::make_unique<TEditorScreenStrings>()) {
        rows->AttachView(&view);
        ApplyWindowDefaults(rows->WrapOption());
        rows->WrapOption().SetWrapByte(wrapByte);
        rows->SetWordWrap(true);
    }
    ~BenchDocument() { rows->DetachView(&view); }
    BenchDocument(const BenchDocument&) = delete;
    BenchDocument& operator=(const BenchDocument&) = delete;

    BenchView view;
    std::unique_ptr<TEditorScreenStrings> rows;
};

// A document holding the corpus of `bytes` bytes folded at `wrapByte`, loaded
// on first use and kept for the process. Benchmarks that edit it must leave
// its text as they found it.
inline TEditorScreenStrings& LoadedDocument(std::size_t bytes, int wrapByte) {
    static std::map<std::pair<std::size_t, int>, std::unique_ptr<BenchDocument>> cache;
    std::unique_ptr<BenchDocument>& doc = cache[{bytes, wrapByte}];
    if (!doc) {
        doc = std::make_unique<BenchDocument>(wrapByte);
        doc->rows->LoadFromBytes(Corpus(bytes));
    }
    return *doc->rows;
}

// The arguments every benchmark of the text model runs over: corpus size and
// folding width.
inline void CorpusAndWidthArgs(benchmark::internal::Benchmark* b) {
    b->ArgNames({"bytes", "wrap"});
    for (const long long bytes :
         {static_cast<long long>(kSmallCorpus), static_cast<long long>(kLargeCorpus)})
        for (const long long wrap : {24, 80})
            b->Args({bytes, wrap});
}

} // namespace mojiro::bench
