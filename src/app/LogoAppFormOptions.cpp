// The exchange with the options dialog: the window hands it what it holds and
// the main editor's properties, and takes everything back only on OK.
#include "app/DateInsertion.h"
#include "app/DateTimeFormat.h"
#include "app/LogoAppForm.h"
#include "app/SearchBar.h"
#include "editor/control/SystemColors.h"
#include "editor/control/TEditor.h"
#include "settings/EditorProp.h"
#include "settings/SettingsError.h"
#include "settings/dialog/LineMargin.h"
#include "settings/dialog/OptionDlg.h"

#include <QAction>
#include <QComboBox>
#include <QMessageBox>

namespace mojiro {

namespace {

// 1行12字(&1)
QString LineLengthCaption(int chars, int item) {
    return QString::fromUtf8("1行%1字(&%2)").arg(chars).arg(item);
}

} // namespace

void TLogoAppForm::ShowLineLengthCaptions() {
    for (int k = 1; k <= 3; ++k) {
        commands_.lineLength[k - 1]->setText(LineLengthCaption(held_.myLineLen[k - 1], k));
    }
}

void TLogoAppForm::OptionItemClick() {
    TEditorProp prop;
    prop.SetDesignValues();
    prop.AssignFrom(*Editor1);

    const TStatusRules& rules = status_.Rules();
    const AutoNameRules& naming = files_->NameRules();
    TOptionDlgValues values;
    values.lineLength = Editor1->WrapOption().WrapByte() / 2;
    values.lineMargin = held_.lineMargin;
    values.space = held_.marks.space;
    values.spaceColor = held_.marks.spaceColor;
    values.tab = held_.marks.tab;
    values.tabColor = held_.marks.tabColor;
    values.myLineLen1 = held_.myLineLen[0];
    values.myLineLen2 = held_.myLineLen[1];
    values.myLineLen3 = held_.myLineLen[2];
    values.titleAble = rules.titleAble;
    values.titleIndex = static_cast<int>(rules.titleIndex);
    values.titleTopLetter = rules.titleTopLetter;
    values.endAble = rules.endAble;
    values.endIndex = static_cast<int>(rules.endIndex);
    values.endTopLetter = rules.endTopLetter;
    values.todayIndex = held_.todayIndex;
    values.titleEnable = naming.enabled;
    values.titleEnableIndex = naming.titleIndex;
    values.titleGyoume = naming.titleRow;
    values.titleEnableLetter = naming.marker;
    values.fileNameIndex = naming.dateForm;
    values.detailedFileList = held_.shousai;
    values.caretStyle = Editor1->Caret().Style();
    values.imeHiragana = Editor1->ImeMode() == TImeMode::imHira;
    values.autoIndent = Editor1->Caret().AutoIndent();
    values.freeCaret = Editor1->Caret().FreeCaret();

    try {
        TOptionDlg dialog(
            this, store_, prop, Editor1->View().Brackets(), values,
            [this](int context) { ShowHelp(context); },
            [](const std::string& format) { return FormatDateTime(format, CurrentLocalTime()); });
        if (dialog.exec() == QDialog::Accepted) {
            // The sample editor's properties carry the line length, fonts,
            // colours, spacing, tab width, marks, brackets, line-breaking
            // rules and caret options.
            dialog.AssignPropTo(prop);
            prop.AssignTo(*Editor1);
            const TOptionDlgValues chosen = dialog.Values();
            SetPanel(2, LineLengthText(Editor1->WrapOption().WrapByte()));
            held_.lineMargin = chosen.lineMargin;
            ApplyLineMargin(*Editor1, held_.lineMargin);
            held_.marks = {chosen.space, chosen.spaceColor, chosen.tab, chosen.tabColor};
            held_.myLineLen = {chosen.myLineLen1, chosen.myLineLen2, chosen.myLineLen3};
            ShowLineLengthCaptions();

            // A marker rule without a marker finds nothing: rule 0 instead.
            TStatusRules newRules;
            newRules.titleAble = chosen.titleAble;
            newRules.titleIndex = !chosen.titleTopLetter.empty() && chosen.titleIndex == 1
                                      ? TSeparatorRule::StartsWithMarker
                                      : TSeparatorRule::EmptyRow;
            newRules.titleTopLetter = chosen.titleTopLetter;
            newRules.endAble = chosen.endAble;
            newRules.endIndex = !chosen.endTopLetter.empty() && chosen.endIndex == 1
                                    ? TSeparatorRule::StartsWithMarker
                                    : TSeparatorRule::EmptyRow;
            newRules.endTopLetter = chosen.endTopLetter;
            status_.SetRules(newRules);
            held_.todayIndex = chosen.todayIndex;

            files_->SetNameRules({chosen.titleEnable, chosen.titleEnableIndex, chosen.titleGyoume,
                                  chosen.titleEnableLetter, chosen.fileNameIndex});
            held_.shousai = chosen.detailedFileList;
            Editor1->SetImeMode(chosen.imeHiragana ? TImeMode::imHira : TImeMode::imDontCare);
            Editor1->Refresh();
        }
    } catch (const SettingsError& error) {
        ShowError(error.what());
    }
    SetPanel(5, "");
    Editor1Change();
    MatchBarColors();
    if (!status_.Rules().titleAble && !status_.Rules().endAble) {
        SetPanel(5, "");
    }
}

void TLogoAppForm::MatchBarColors() {
    const QColor text = TColorToQColor(Editor1->Font().color, Editor1->palette());
    const QColor background = TColorToQColor(Editor1->Color(), Editor1->palette());
    for (QComboBox* box : {searchBars_->SearchLetterCb(), searchBars_->ReplaceLetterCb()}) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Text, text);
        palette.setColor(QPalette::Base, background);
        box->setPalette(palette);
    }
}

} // namespace mojiro
