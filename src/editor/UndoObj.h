// TEditorUndoObj: the undo and redo lists of one document. Every ReplaceRows
// leaves one record: the first row it changed, the text those rows held, the
// kind of the last of them, and how many rows it put in their place.
#pragma once

#include "editor/EditorTypes.h"

#include <deque>
#include <memory>
#include <string>

namespace mojiro {

class TEditorScreenStrings;

struct UndoRecord {
    int caretRow = 0;
    int caretCol = 0;
    int firstRow = -1;
    int insertedRows = 0;
    RowEndKind removedKind = RowEndKind::None;
    std::string removedText;
};

// A list of undo records that owns them.
using TUndoDataList = std::deque<std::unique_ptr<UndoRecord>>;

class TEditorUndoObj {
public:
    static constexpr int kMinUndoListMax = 64;

    explicit TEditorUndoObj(TEditorScreenStrings& owner) : owner_(owner) {}
    virtual ~TEditorUndoObj() = default;

    // A new record carrying the focused view's caret, appended to the undo
    // list; the redo list is cleared unless a redo is replaying.
    virtual UndoRecord& AddUndoRecord();
    [[nodiscard]] virtual bool CanRedo() const { return !redoList_.empty(); }
    [[nodiscard]] virtual bool CanUndo() const { return !undoList_.empty(); }
    virtual void Redo();
    virtual void Undo();
    virtual void AddRedoRecord(const UndoRecord& record);
    virtual void ClearUndo();

    [[nodiscard]] int UndoListMax() const { return max_; }
    void SetUndoListMax(int value) { max_ = value < kMinUndoListMax ? kMinUndoListMax : value; }
    [[nodiscard]] const TUndoDataList& UndoList() const { return undoList_; }
    [[nodiscard]] const TUndoDataList& RedoList() const { return redoList_; }

private:
    void Replay(TUndoDataList& list, bool isUndo);
    void TrimUndoList();

    TEditorScreenStrings& owner_;
    int max_ = kMinUndoListMax;
    bool replaying_ = false;
    TUndoDataList redoList_;
    TUndoDataList undoList_;
};

} // namespace mojiro
