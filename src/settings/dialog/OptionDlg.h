// TOptionDlg: the modal dialog "設定" in which the user edits the editor's
// appearance, the line-breaking rules, the title and end rules of an article,
// the favourite folders, file handling, the date format, the caret and the
// input method. It works on copies: the sample editors take the changes, and
// the window takes them over only when the dialog is accepted. The controls
// carry their names as object names, so that they can be found by them.
#pragma once

#include "editor/EditorBrackets.h"
#include "settings/EditorProp.h"
#include "settings/dialog/BlankMarks.h"
#include "settings/dialog/OptionDlgValues.h"

#include <QDialog>
#include <array>
#include <functional>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QComboBox;

namespace mojiro {

class SettingsStore;
class TColorComboBox;
class TEditor;
class TRadioGroup;

class TOptionDlg : public QDialog {
    Q_OBJECT

public:
    // Opens the help at a context number.
    using HelpHandler = std::function<void(int context)>;
    // The current date and time in a user's format (CP932 in and out).
    using DateFormatter = std::function<std::string(const std::string& format)>;

    // prop is the main editor's property set, brackets its enclosing pairs,
    // values what the window holds. Reads the dialog's own values from the
    // store at once (an unopened store is opened for each use); throws
    // SettingsError when the store cannot be read.
    TOptionDlg(QWidget* parent, SettingsStore& store, const TEditorProp& prop,
               const TEditorBracketCollection& brackets, const TOptionDlgValues& values,
               HelpHandler showHelp, DateFormatter formatNow);
    ~TOptionDlg() override;

    // ---- after exec() returned Accepted ----
    // The sample editor's property set with the enclosing pairs, the wrap
    // options of the line-breaking page and the caret options put in.
    void AssignPropTo(TEditorProp& prop) const;
    [[nodiscard]] const TEditorBracketCollection& Brackets() const;
    [[nodiscard]] TOptionDlgValues Values() const;

    [[nodiscard]] TEditor& SmpEditor() const { return *smpEditor_; }
    [[nodiscard]] TEditor& BEditor() const { return *bEditor_; }
    // The help context of the page shown.
    [[nodiscard]] int HelpContext() const;

private:
    // ---- building the pages ----
    QWidget* BuildFormatPage();
    QWidget* BuildBracketPage();
    QWidget* BuildRulesPage();
    QWidget* BuildFolderPage();
    QWidget* BuildFilePage();
    QWidget* BuildOtherPage();

    void Fill(const TEditorProp& prop, const TOptionDlgValues& values);
    void FormShow();
    void OKBtnClick();
    void HelpBtnClick();

    // ---- page 1: font, colours, marks, row spacing ----
    void FontLbClick();
    void FontSizeChange(int size);
    void LineLenChange(int length);
    void ComEditChange();
    void BuildPreview();
    [[nodiscard]] TEditorColor& Slot(int k) const;
    [[nodiscard]] bool SameAsStandardNow(int k) const;
    void ColorStyleCbChange();
    void SameCbClick();
    void ColorChange(TColor color);
    void BackColorChange(TColor color);
    void StyleBoxClick(TFontStyles bit, bool on);
    void CopyStandardToFollowers();
    void MarkCbChange();
    void MarkVisibleClick(bool on);
    void MarkColorChange(TColor color);

    // ---- page 2: presets and enclosing pairs ----
    void RefreshBrackets();
    void UpdateBracketButtons();
    void BLbClick();
    void FillPair(TEditorBracketItem& item) const;
    void BNewBtnClick();
    void BChangeBtnClick();
    void BDelBtnClick();
    void BSaveBtnClick();
    void BLoadBtnClick();

    // ---- page 3: line breaking, title and end parts ----
    void UpdateRuleControls();

    // ---- page 4: favourite folders, group 0 (open) and 1 (save) ----
    struct FolderGroup {
        QLineEdit* edit = nullptr;
        QListWidget* list = nullptr;
        QPushButton* browse = nullptr;
        QPushButton* add = nullptr;
        QPushButton* change = nullptr;
        QPushButton* remove = nullptr;
        QPushButton* up = nullptr;
        QPushButton* down = nullptr;
    };
    QWidget* BuildFolderGroup(int g, const QString& title);
    void UpdateFolderButtons(int g);
    void DLbClick(int g);
    void BrowseBtClick(int g);
    void DNewBtClick(int g);
    void DChangeBtClick(int g);
    void DDelBtClick(int g);
    void DMove(int g, int by);

    // ---- page 5: files ----
    void UpdateFileControls();
    void InitialBrowseBtnClick();
    void RecentFileClearBtnClick();
    [[nodiscard]] bool TakeExtension(std::string& extension);
    void KanrenBtnClick();
    void KanCanBtnClick();

    // ---- page 6: other ----
    void TodayRgClick();
    void TodayEditChange();

    SettingsStore& store_;
    HelpHandler showHelp_;
    DateFormatter formatNow_;

    QTabWidget* pages_ = nullptr;
    TEditor* smpEditor_ = nullptr;
    TEditor* bEditor_ = nullptr;
    BlankMarks marks_;
    // Set while the controls are filled, so that filling them changes no sample.
    bool loading_ = true;
    // Index 0 is the standard and has no flag of its own.
    std::array<bool, 9> sameAsStandard_{};

    // page 1
    QListWidget* FontLb = nullptr;
    QSpinBox* FontSizeSp = nullptr;
    QSpinBox* LineLenSp = nullptr;
    QLineEdit* ComEdit = nullptr;
    QComboBox* ColorStyleCb = nullptr;
    QCheckBox* SameCb = nullptr;
    TColorComboBox* ColorCcb = nullptr;
    TColorComboBox* BackColorCcb = nullptr;
    QCheckBox* BoldCb = nullptr;
    QCheckBox* ItalicCb = nullptr;
    QCheckBox* UnderLineCb = nullptr;
    QComboBox* MarkCB = nullptr;
    QCheckBox* MarkVisibleCb = nullptr;
    TColorComboBox* MarkColorCcb = nullptr;
    TRadioGroup* LineMarginRg = nullptr;
    // page 2
    std::array<QSpinBox*, 3> MyLineLenSp{};
    QLineEdit* BLEdit = nullptr;
    QLineEdit* BREdit = nullptr;
    TColorComboBox* BCcb = nullptr;
    TColorComboBox* BBCcb = nullptr;
    QCheckBox* BBoldCb = nullptr;
    QCheckBox* BItalicCb = nullptr;
    QCheckBox* BUnderLineCb = nullptr;
    QPushButton* BNewBtn = nullptr;
    QPushButton* BChangeBtn = nullptr;
    QPushButton* BDelBtn = nullptr;
    QListWidget* BLb = nullptr;
    QPushButton* BSaveBtn = nullptr;
    QPushButton* BLoadBtn = nullptr;
    // page 3
    QCheckBox* TitleCb = nullptr;
    TRadioGroup* TitleRg = nullptr;
    QLineEdit* TitleTopLetterEdit = nullptr;
    QCheckBox* EndCb = nullptr;
    TRadioGroup* EndRg = nullptr;
    QLineEdit* EndTopLetterEdit = nullptr;
    QCheckBox* KinsokuCb = nullptr;
    QPlainTextEdit* GyoutouMemo = nullptr;
    QPlainTextEdit* GyoumatuMemo = nullptr;
    QCheckBox* PuncCb = nullptr;
    QPlainTextEdit* PuncMemo = nullptr;
    QCheckBox* WordBreakCb = nullptr;
    QCheckBox* CRHangCb = nullptr;
    // page 4
    std::array<FolderGroup, 2> folders_{};
    // page 5
    QCheckBox* InitialLoadFileCb = nullptr;
    QLineEdit* InitialLoadFileEdit = nullptr;
    QPushButton* InitialBrowseBtn = nullptr;
    TRadioGroup* FileOpenStyleRg = nullptr;
    QCheckBox* BuckUpCb = nullptr;
    QPushButton* RecentFileClearBtn = nullptr;
    QCheckBox* FileNameEnableCb = nullptr;
    TRadioGroup* FileNameRg = nullptr;
    QSpinBox* TitleGyoumeSp = nullptr;
    QLineEdit* FileNameLetterEdit = nullptr;
    TRadioGroup* FileNameDateRg = nullptr;
    QLineEdit* KanrenEdit = nullptr;
    // page 6
    TRadioGroup* TodayRg = nullptr;
    QLineEdit* TodayEdit = nullptr;
    QLabel* TodayLabel = nullptr;
    TRadioGroup* TabRg = nullptr;
    TRadioGroup* CursorRg = nullptr;
    TRadioGroup* IMERg = nullptr;
    QCheckBox* AutoIndentCb = nullptr;
    QCheckBox* FreeCaretCb = nullptr;
};

} // namespace mojiro
