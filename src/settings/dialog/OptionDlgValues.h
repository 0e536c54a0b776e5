// What the main window hands to the options dialog and takes back from it,
// besides the editor property set and the enclosing-pair list.
#pragma once

#include "editor/EditorCaret.h"
#include "editor/EditorTypes.h"

#include <string>

namespace mojiro {

struct TOptionDlgValues {
    // Line length in full-width characters (the window gives WrapByte / 2).
    int lineLength = 40;
    // Row spacing index 0..6 (ApplyLineMargin).
    int lineMargin = 2;
    // The full-width-space and tab marks the window draws.
    bool space = true;
    TColor spaceColor = clActiveCaption;
    bool tab = true;
    TColor tabColor = clActiveCaption;
    // Line-length presets on F11, F12 and Shift+F12.
    int myLineLen1 = 12;
    int myLineLen2 = 40;
    int myLineLen3 = 36;
    // Title and end parts of an article: rule on, rule 0 (an empty line) or
    // 1 (a line beginning with the marker), the marker as CP932 text. An
    // empty marker is handed back as it stands; the window drops rule 1 then.
    bool titleAble = false;
    int titleIndex = 0;
    std::string titleTopLetter;
    bool endAble = false;
    int endIndex = 0;
    std::string endTopLetter;
    // Date style 0..2.
    int todayIndex = 0;
    // Automatic file names from the title line.
    bool titleEnable = false;
    int titleEnableIndex = 0;
    int titleGyoume = 1;
    std::string titleEnableLetter;
    int fileNameIndex = 0;
    // Handed back only: the open dialog shows details (the stored Shousai).
    bool detailedFileList = false;
    TEditorCaretStyle caretStyle = TEditorCaretStyle::csDefault;
    // The input method starts in hiragana.
    bool imeHiragana = true;
    bool autoIndent = false;
    bool freeCaret = false;
};

} // namespace mojiro
