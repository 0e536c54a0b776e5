#include "editor/UndoObj.h"

#include "editor/ScreenStrings.h"

namespace mojiro {

namespace {

std::unique_ptr<UndoRecord> RecordAtCaret(const TEditorScreenStrings& owner) {
    auto record = std::make_unique<UndoRecord>();
    if (const EditorViewLink* view = owner.FocusedView()) {
        record->caretRow = view->Row();
        record->caretCol = view->Col();
    }
    return record;
}

} // namespace

UndoRecord& TEditorUndoObj::AddUndoRecord() {
    undoList_.push_back(RecordAtCaret(owner_));
    UndoRecord& record = *undoList_.back();
    TrimUndoList();
    if (!replaying_)
        redoList_.clear();
    return record;
}

void TEditorUndoObj::TrimUndoList() {
    while (static_cast<long long>(undoList_.size()) > max_)
        undoList_.pop_front();
}

void TEditorUndoObj::AddRedoRecord(const UndoRecord& record) {
    auto redo = RecordAtCaret(owner_);
    redo->firstRow = record.firstRow;
    redo->insertedRows = record.insertedRows;
    redo->removedKind = record.removedKind;
    redo->removedText = record.removedText;
    redoList_.push_back(std::move(redo));
}

void TEditorUndoObj::ClearUndo() {
    undoList_.clear();
    redoList_.clear();
}

void TEditorUndoObj::Undo() {
    Replay(undoList_, true);
}
void TEditorUndoObj::Redo() {
    Replay(redoList_, false);
}

void TEditorUndoObj::Replay(TUndoDataList& list, bool isUndo) {
    if (list.empty())
        return;
    UndoRecord& record = *list.back();
    EditorViewLink* view = owner_.FocusedView();
    if (view != nullptr)
        view->CaretBeginUpdate();
    struct ShowCaret {
        EditorViewLink* view;
        ~ShowCaret() {
            if (view != nullptr)
                view->CaretEndUpdate();
        }
    } showCaret{view};

    {
        TEditorScreenStrings::UpdateBlock block(owner_);
        // Take out what the change put in ...
        RowsTextResult taken;
        if (record.insertedRows > 0) {
            taken = owner_.RowsText(record.firstRow, record.insertedRows);
            owner_.DeleteRows(record.firstRow, record.insertedRows);
        }
        // ... and put back what it took out.
        int restored = 0;
        if (record.removedKind != RowEndKind::None) {
            TEditorStringList rows;
            owner_.FoldText(record.removedText, rows);
            const int last = rows.Count() - 1;
            if (record.removedKind == RowEndKind::Wrapped && rows.Count() > 1 &&
                rows.RowLength(last) == 0)
                rows.Delete(last);
            RowEndKind kind = record.removedKind;
            if (kind == RowEndKind::OpenLast && EndsWithBreak(record.removedText))
                kind = RowEndKind::LineEnd;
            rows.SetRowEndKind(rows.Count() - 1, kind);
            restored = rows.Count();
            owner_.InsertRows(record.firstRow, rows);
        }
        const int rescanned = owner_.PropagateStates(record.firstRow, true);
        owner_.SetChange(record.firstRow, taken.rowCount, rescanned, restored);

        if (isUndo) {
            record.insertedRows = restored;
            record.removedKind = taken.lastKind;
            record.removedText = std::move(taken.text);
            AddRedoRecord(record);
        } else {
            replaying_ = true;
            struct ClearFlag {
                bool& flag;
                ~ClearFlag() { flag = false; }
            } clearFlag{replaying_};
            UndoRecord& inverse = AddUndoRecord();
            inverse.firstRow = record.firstRow;
            inverse.insertedRows = restored;
            inverse.removedKind = taken.lastKind;
            inverse.removedText = std::move(taken.text);
        }
    }
    if (view != nullptr) {
        view->SetRow(record.caretRow);
        view->SetCol(record.caretCol);
    }
    list.pop_back();
}

} // namespace mojiro
