// The row scanner: cuts one row's bytes into tokens whose kind decides their
// colour, and carries the enclosing-pair state from row to row.
#pragma once

#include <cstddef>
#include <string_view>

namespace mojiro {

class TEditorViewInfo;
class TEditorBracketItem;

enum class TokenKind {
    tkEnd,
    tkSymbol,
    tkString,
    tkInteger,
    tkReal,
    tkBracket,
    tkComment,
    tkIdent,
    tkTab,
    tkDbcsSymbol,
    tkWideDigits,
    tkWideLatin,
    tkHiragana,
    tkKatakana,
    tkKanji,
    tkKanaPunct,
    tkKana,
    tkUrl,
    tkMail,
};

// Scans `text` (one row, or any bytes: the end of the view, a NUL, a CR or an
// LF ends the row). `state` is the scanner state at the first byte: -2 not
// known (no pair is opened or continued), -1 outside every pair, 0..13 inside
// that pair of the view's brackets. Without a view only the plain token kinds
// are produced, which is what word movement wants.
//
// The parser holds a view of the text, not a copy: the text must outlive it.
// It allocates nothing, so one can be made for every row that is scanned.
class TEditorParser {
public:
    // Reads the first token, so it is current on return.
    TEditorParser(std::string_view text, int state, const TEditorViewInfo* view);
    virtual ~TEditorParser();

    // Moves over control characters and spaces (bytes 1..8 and 10..32).
    virtual void SkipBlanks();
    // Reads the next token and returns its kind. Every kind but tkEnd consumes
    // at least one byte; tkEnd consumes nothing and repeats.
    virtual TokenKind NextToken();

    [[nodiscard]] TokenKind Token() const { return token_; }
    // The scanner state after the current token.
    [[nodiscard]] int State() const { return state_; }
    // The pair index of the last tkBracket token read; -2 before any.
    [[nodiscard]] int BracketIndex() const { return bracketIndex_; }
    // Start of the current token in bytes from the start of the text.
    [[nodiscard]] std::size_t TokenOffset() const { return tokenStart_; }
    [[nodiscard]] std::string_view TokenText() const {
        return text_.substr(tokenStart_, cursor_ - tokenStart_);
    }

protected:
    // The byte at `pos`, or NUL past the end: the end of the view acts as the
    // terminator, so no look-ahead can read outside the text.
    [[nodiscard]] unsigned char At(std::size_t pos) const {
        return pos < text_.size() ? static_cast<unsigned char>(text_[pos]) : 0;
    }
    [[nodiscard]] bool AtRowEnd() const;

    const TEditorViewInfo* view_;
    int state_;
    int bracketIndex_ = -2;
    std::string_view text_;
    std::size_t cursor_ = 0;
    std::size_t tokenStart_ = 0;
    TokenKind token_ = TokenKind::tkEnd;

private:
    [[nodiscard]] bool ScanViewToken();
    [[nodiscard]] TokenKind ScanPlainToken();
    void ScanToClosing(const TEditorBracketItem& pair);
    [[nodiscard]] bool ScanMail();
    [[nodiscard]] bool ScanUrl();
    [[nodiscard]] bool ScanString(std::string_view quotation);
    void ScanNumber();
    void ScanExponent();
    void ScanToRowEnd();
    void SkipDigits();
    void SkipHexDigits();
    [[nodiscard]] bool Matches(std::string_view s) const;
    [[nodiscard]] std::size_t CharLen(std::size_t pos) const;
    [[nodiscard]] bool IsPair(std::size_t pos, unsigned lead, unsigned lo, unsigned hi) const;
    [[nodiscard]] bool IsLongVowelOrDash(std::size_t pos) const;

    // Mail runs are scanned ahead and then given up when they hold no
    // address; every run starting inside one given up ends at the same place
    // and holds no address either, so it need not be scanned again. This keeps
    // long rows of mail characters linear.
    std::size_t noMailBefore_ = 0;
};

} // namespace mojiro
