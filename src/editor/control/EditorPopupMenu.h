// TEditorPopupMenu: the context menu every editor control makes for itself,
// so that a bare control offers undo, the clipboard and selection commands
// on a right click without any host code.
#pragma once

#include <QMenu>

class QAction;

namespace mojiro {

class TEditor;

class TEditorPopupMenu : public QMenu {
    Q_OBJECT

public:
    // The menu is a child of its control.
    explicit TEditorPopupMenu(TEditor* editor);

    [[nodiscard]] TEditor* Editor() const { return editor_; }
    [[nodiscard]] QAction* UndoItem() const { return undoItem_; }
    [[nodiscard]] QAction* RedoItem() const { return redoItem_; }
    [[nodiscard]] QAction* CutItem() const { return cutItem_; }
    [[nodiscard]] QAction* CopyItem() const { return copyItem_; }
    [[nodiscard]] QAction* PasteItem() const { return pasteItem_; }
    [[nodiscard]] QAction* BoxPasteItem() const { return boxPasteItem_; }
    [[nodiscard]] QAction* DeleteItem() const { return deleteItem_; }
    [[nodiscard]] QAction* SelectAllItem() const { return selectAllItem_; }
    [[nodiscard]] QAction* BoxSelectionModeItem() const { return boxSelectionModeItem_; }

protected:
    // The items' actions; each forwards to the control.
    virtual void UndoItemClick();
    virtual void RedoItemClick();
    virtual void CutItemClick();
    virtual void CopyItemClick();
    virtual void PasteItemClick();
    virtual void BoxPasteItemClick();
    virtual void DeleteItemClick();
    virtual void SelectAllItemClick();
    // Qt has already inverted the item's check mark when this runs.
    virtual void BoxSelectionModeItemClick();
    // Enables the items for the control's state; runs as the menu opens.
    virtual void PopupMenuPopup();

private:
    void CreateItems();
    QAction* AddItem(const QString& caption, const char* shortcut,
                     void (TEditorPopupMenu::*action)());

    TEditor* editor_;
    QAction* undoItem_ = nullptr;
    QAction* redoItem_ = nullptr;
    QAction* cutItem_ = nullptr;
    QAction* copyItem_ = nullptr;
    QAction* pasteItem_ = nullptr;
    QAction* boxPasteItem_ = nullptr;
    QAction* deleteItem_ = nullptr;
    QAction* selectAllItem_ = nullptr;
    QAction* boxSelectionModeItem_ = nullptr;
};

} // namespace mojiro
