// TEditorScreenStrings: the document held once as folded screen rows. Every
// change goes through ReplaceRows, which refolds the touched logical lines,
// records one undo step, keeps the scanner states current and tells the
// attached views what changed.
#pragma once

#include "editor/EditorViewLink.h"
#include "editor/LineFolder.h"
#include "editor/PointerStringList.h"
#include "editor/UndoObj.h"
#include "editor/WrapOption.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace mojiro {

// The text of a run of rows with CR LF after each line-end row.
struct RowsTextResult {
    std::string text;
    int rowCount = 0;
    RowEndKind lastKind = RowEndKind::None;
};

// What the last change did, for the views to repaint.
struct ChangeRecord {
    int firstRow = 0;
    int oldCount = 0;
    int newCount = 0;
    int rescanned = 0;
    bool pending = false;
};

// True when the text ends with a line break (CR or LF).
[[nodiscard]] bool EndsWithBreak(std::string_view text);

class TEditorScreenStrings : public TEditorStringList {
public:
    TEditorScreenStrings();
    ~TEditorScreenStrings() override;

    // Views. The first view's tab width, delimiters and scanning settings
    // govern folding and scanning.
    void AttachView(EditorViewLink* view);
    // Returns true when no view is left (the owner may then destroy the list).
    bool DetachView(EditorViewLink* view);
    [[nodiscard]] const std::vector<EditorViewLink*>& Views() const { return views_; }
    [[nodiscard]] EditorViewLink* FocusedView() const;

    [[nodiscard]] const ChangeRecord& Change() const { return change_; }
    void SetChange(int first, int oldCount, int rescanned, int newCount);

    [[nodiscard]] TEditorUndoObj& UndoObj() { return *undoObj_; }
    [[nodiscard]] TEditorWrapOption& WrapOption() { return *wrapOption_; }
    [[nodiscard]] const TEditorWrapOption& WrapOption() const { return *wrapOption_; }
    [[nodiscard]] bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);

    // Rows.
    [[nodiscard]] int LineFirstRow(int row) const;
    [[nodiscard]] int LineLastRow(int row) const;
    [[nodiscard]] RowsTextResult RowsText(int first, int n) const;
    void DeleteRows(int first, int n);
    void InsertRows(int first, TEditorStringList& list);
    void OverwriteRows(int first, int n, TEditorStringList& list);
    void ReplaceRows(int first, int n, std::string_view text);
    virtual void FoldText(std::string_view text, TEditorStringList& list);
    [[nodiscard]] virtual int FoldedRowCount(std::string_view line);
    virtual void Redo();
    virtual void Undo();
    void Clear() override;

    // Whole text. Reading never converts bytes; writing puts CR LF after
    // every line-end row.
    [[nodiscard]] std::string Text() const;
    void WriteText(const std::function<void(std::string_view)>& sink) const;
    void SetText(std::string_view text);
    // Reads the whole file first; on any failure the document is unchanged
    // and FileError is thrown.
    void LoadFromFile(const std::string& fileName);
    // The text of a file's bytes as the loader reads them (every line break
    // convention, the first Ctrl+Z ending the text).
    void LoadFromBytes(std::string_view bytes);

    // Positions. A character index counts every row's bytes plus 2 after
    // each line-end row.
    [[nodiscard]] std::ptrdiff_t RowCharIndex(int row) const { return CharStart(row); }
    [[nodiscard]] std::ptrdiff_t TextLength() const { return RowCharIndex(Count()); }
    // The row holding a character index (the row whose bytes or line break
    // it falls on); the last row for an index at or past the end.
    [[nodiscard]] int RowFromCharIndex(std::ptrdiff_t index) const {
        return RowFromCharStart(index);
    }
    // Logical lines: the line of a row, the first row of a line, the count.
    [[nodiscard]] int RowToLine(int row) const { return LineEndsBefore(row); }
    [[nodiscard]] int LineToRow(int line) const;
    [[nodiscard]] int LineCount() const;

    // Scanner states.
    [[nodiscard]] int StateAfter(int row, int state) const;
    void RecomputeStates();
    int PropagateStates(int from, bool notify);

    // The same rows a fresh load of `text` would give (used to check edits).
    void FoldWholeText(std::string_view text, TEditorStringList& list, bool lastLineOpen);

    // Begins an update block of the row list and ends it however the scope is left.
    class UpdateBlock {
    public:
        explicit UpdateBlock(TPointerStringList& list) : list_(list) { list_.BeginUpdate(); }
        ~UpdateBlock() { list_.EndUpdate(); }
        UpdateBlock(const UpdateBlock&) = delete;
        UpdateBlock& operator=(const UpdateBlock&) = delete;

    private:
        TPointerStringList& list_;
    };

protected:
    void Changed() override;
    virtual std::unique_ptr<TEditorUndoObj> CreateUndoObj();
    virtual std::unique_ptr<TEditorWrapOption> CreateWrapOption();

private:
    void WrapOptionChanged();
    void FullRefold();
    void Unfold();
    // Rebuilds every logical line: folded by `folder`, or one row each.
    void RebuildLines(LineFolder* folder, RowEndKind lastKind);
    void AfterRefold();
    void ReplaceContents(TEditorStringList& rows);
    void ReserveFor(TEditorStringList& rows, std::ptrdiff_t bytes) const;
    [[nodiscard]] bool FirstViewLoading() const;
    [[nodiscard]] int ScreenRowsAhead() const;
    [[nodiscard]] int TabWidth() const;
    [[nodiscard]] const Delimiters& DelimiterSet() const;
    [[nodiscard]] const TEditorViewInfo* ScanView() const;

    LineFolder& Folder();

    // What the cached folder was made from.
    struct FolderKey {
        unsigned generation = 0;
        int tabWidth = 0;
        const Delimiters* delimiters = nullptr;
        bool operator==(const FolderKey&) const = default;
    };

    std::vector<EditorViewLink*> views_;
    ChangeRecord change_;
    std::unique_ptr<TEditorUndoObj> undoObj_;
    bool wordWrap_ = false;
    std::unique_ptr<TEditorWrapOption> wrapOption_;
    bool refolding_ = false;
    bool notifyViews_ = true;
    unsigned wrapOptionGeneration_ = 0;
    std::unique_ptr<LineFolder> folder_;
    FolderKey folderKey_;
};

} // namespace mojiro
