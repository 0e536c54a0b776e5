#include "editor/TokenColor.h"

#include "editor/EditorViewInfo.h"
#include "editor/ReserveWordList.h"

namespace mojiro {

const TEditorColor* TokenColor(TokenKind kind, std::string_view tokenText, int bracketIndex,
                               const TEditorViewInfo& view, const ReserveWordList& reserved) {
    const TEditorColors& colors = view.Colors();
    const auto reservedOr = [&](const TEditorColor& color) {
        return reserved.Contains(tokenText) ? &colors.Reserve() : &color;
    };
    switch (kind) {
    case TokenKind::tkSymbol:
        return reservedOr(colors.Symbol());
    case TokenKind::tkString:
        return &colors.Str();
    case TokenKind::tkInteger:
    case TokenKind::tkReal:
        return &colors.Int();
    case TokenKind::tkBracket: {
        const auto& brackets = view.Brackets();
        if (bracketIndex < 0 || bracketIndex >= brackets.Count()) {
            return nullptr;
        }
        return &brackets.Items(bracketIndex).ItemColor();
    }
    case TokenKind::tkComment:
        return &colors.Comment();
    case TokenKind::tkIdent:
        return reservedOr(colors.Ank());
    case TokenKind::tkDbcsSymbol:
    case TokenKind::tkWideDigits:
    case TokenKind::tkWideLatin:
    case TokenKind::tkHiragana:
    case TokenKind::tkKatakana:
    case TokenKind::tkKanji:
    case TokenKind::tkKanaPunct:
    case TokenKind::tkKana:
        return reservedOr(colors.DBCS());
    case TokenKind::tkUrl:
        return reservedOr(colors.Url());
    case TokenKind::tkMail:
        return reservedOr(colors.Mail());
    case TokenKind::tkTab:
    case TokenKind::tkEnd:
        break;
    }
    return nullptr;
}

} // namespace mojiro
