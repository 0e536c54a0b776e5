#include "editor/EditorParser.h"

#include "editor/EditorViewInfo.h"
#include "platform/CodePage.h"

#include <array>

namespace mojiro {

namespace {

using ByteTable = std::array<bool, 256>;

constexpr ByteTable MakeTable(std::string_view members, bool alnum) {
    ByteTable table{};
    for (const char c : members) {
        table[static_cast<unsigned char>(c)] = true;
    }
    if (alnum) {
        for (int b = '0'; b <= '9'; ++b) {
            table[b] = true;
        }
        for (int b = 'A'; b <= 'Z'; ++b) {
            table[b] = true;
            table[b - 'A' + 'a'] = true;
        }
    }
    return table;
}

constexpr ByteTable kMailChars = MakeTable("!$%&*,-./;=?@^_~", true);
constexpr ByteTable kUrlChars = MakeTable("#%&+-./:=?_~", true);
constexpr ByteTable kIdentChars = MakeTable("_", true);
constexpr ByteTable kIdentStart = [] {
    ByteTable table = MakeTable("_", true);
    for (int b = '0'; b <= '9'; ++b) {
        table[b] = false;
    }
    return table;
}();
constexpr ByteTable kHexDigits = MakeTable("0123456789ABCDEFabcdef", false);

constexpr bool IsDigit(unsigned char b) {
    return b >= '0' && b <= '9';
}
constexpr bool IsExponent(unsigned char b) {
    return b == 'E' || b == 'e';
}
constexpr bool IsBlank(unsigned char b) {
    return (b >= 1 && b <= 8) || (b >= 10 && b <= 32);
}
constexpr bool InRange(unsigned b, unsigned lo, unsigned hi) {
    return b >= lo && b <= hi;
}
constexpr bool IsKanjiLead(unsigned char b) {
    return InRange(b, 0x88, 0x9F) || InRange(b, 0xE0, 0xFC);
}

} // namespace

TEditorParser::TEditorParser(std::string_view text, int state, const TEditorViewInfo* view)
    : view_(view), state_(state), text_(text) {
    NextToken();
}

TEditorParser::~TEditorParser() = default;

bool TEditorParser::AtRowEnd() const {
    const unsigned char b = At(cursor_);
    return b == 0 || b == '\r' || b == '\n';
}

bool TEditorParser::Matches(std::string_view s) const {
    return !s.empty() && text_.substr(cursor_).starts_with(s);
}

// One character: two bytes after a lead byte, but only the lead byte when the
// text ends right after it.
std::size_t TEditorParser::CharLen(std::size_t pos) const {
    return IsLeadByte(At(pos)) && pos + 1 < text_.size() ? 2 : 1;
}

bool TEditorParser::IsPair(std::size_t pos, unsigned lead, unsigned lo, unsigned hi) const {
    // At() gives NUL past the end, and no trail range holds NUL.
    return At(pos) == lead && InRange(At(pos + 1), lo, hi);
}

// The long-vowel mark 0x815B and the dash 0x817C, which run on with kana.
bool TEditorParser::IsLongVowelOrDash(std::size_t pos) const {
    return At(pos) == 0x81 && (At(pos + 1) == 0x5B || At(pos + 1) == 0x7C);
}

void TEditorParser::SkipBlanks() {
    while (cursor_ < text_.size() && IsBlank(At(cursor_))) {
        ++cursor_;
    }
}

TokenKind TEditorParser::NextToken() {
    SkipBlanks();
    tokenStart_ = cursor_;
    if (AtRowEnd()) {
        token_ = TokenKind::tkEnd;
    } else if (view_ == nullptr || !ScanViewToken()) {
        token_ = ScanPlainToken();
    }
    return token_;
}

// The rules that depend on the view's settings; true when one of them made
// the token.
bool TEditorParser::ScanViewToken() {
    const auto& brackets = view_->Brackets();
    // A state from a longer pair list than the view now has (its rows not yet
    // rescanned) names no pair: scan as outside rather than index past it.
    if (state_ >= brackets.Count()) {
        state_ = -1;
    }
    if (state_ >= 0) {
        bracketIndex_ = state_;
        ScanToClosing(brackets.Items(state_));
        token_ = TokenKind::tkBracket;
        return true;
    }
    if (state_ == -1) {
        for (int i = 0; i < brackets.Count(); ++i) {
            const auto& pair = brackets.Items(i);
            if (Matches(pair.LeftBracket())) {
                state_ = bracketIndex_ = i;
                cursor_ += pair.LeftBracket().size();
                ScanToClosing(pair);
                token_ = TokenKind::tkBracket;
                return true;
            }
        }
    }
    if (view_->Mail() && ScanMail()) {
        token_ = TokenKind::tkMail;
        return true;
    }
    if (view_->Url() && ScanUrl()) {
        token_ = TokenKind::tkUrl;
        return true;
    }
    if (Matches(view_->Commenter())) {
        ScanToRowEnd();
        token_ = TokenKind::tkComment;
        return true;
    }
    if (ScanString(view_->Quotation())) {
        token_ = TokenKind::tkString;
        return true;
    }
    if (Matches(view_->HexPrefix())) {
        cursor_ += view_->HexPrefix().size();
        SkipHexDigits();
        token_ = TokenKind::tkInteger;
        return true;
    }
    if (At(cursor_) == '#' && view_->ControlCode()) {
        ++cursor_;
        if (At(cursor_) == '$' && kHexDigits[At(cursor_ + 1)]) {
            ++cursor_;
            SkipHexDigits();
        } else {
            SkipDigits();
        }
        token_ = TokenKind::tkString;
        return true;
    }
    return false;
}

// Runs the span of an open pair up to and past its closing text. When the row
// ends first the state stays on the pair, so the next row continues it. A pair
// without closing text could never close and would colour the rest of the
// document; it is taken to close with its row instead, like a comment.
void TEditorParser::ScanToClosing(const TEditorBracketItem& pair) {
    const std::string_view right = pair.RightBracket();
    if (right.empty()) {
        ScanToRowEnd();
        state_ = -1;
        return;
    }
    while (!AtRowEnd()) {
        if (Matches(right)) {
            cursor_ += right.size();
            state_ = -1;
            return;
        }
        cursor_ += CharLen(cursor_);
    }
}

// A run of mail characters is an address when an "@" in it has a "." after it;
// the run is taken whole, a closing full stop included.
bool TEditorParser::ScanMail() {
    const unsigned char first = At(cursor_);
    if (!kMailChars[first] || first == '@' || cursor_ < noMailBefore_) {
        return false;
    }
    std::size_t end = cursor_;
    bool at = false;
    bool dotAfterAt = false;
    for (unsigned char b = first; kMailChars[b]; b = At(++end)) {
        if (b == '@') {
            at = true;
        } else if (b == '.' && at) {
            dotAfterAt = true;
        }
    }
    if (!dotAfterAt) {
        noMailBefore_ = end;
        return false;
    }
    cursor_ = end;
    return true;
}

bool TEditorParser::ScanUrl() {
    bool prefix = false;
    switch (At(cursor_)) {
    case 'f':
        prefix = Matches("ftp:");
        break;
    case 'h':
        prefix = Matches("http:") || Matches("https:");
        break;
    case 'w':
        prefix = Matches("www.");
        break;
    default:
        break;
    }
    if (!prefix) {
        return false;
    }
    while (kUrlChars[At(cursor_)]) {
        ++cursor_;
    }
    return true;
}

// A quote character doubled inside the string stands for itself. The scan
// steps over whole characters so that a trail byte equal to the quote (0x5C
// in "ソ", for one) never ends the string. A quotation byte that is itself a
// lead byte cannot stand alone as a character, so it starts no string.
bool TEditorParser::ScanString(std::string_view quotation) {
    if (quotation.empty()) {
        return false;
    }
    const auto q = static_cast<unsigned char>(quotation.front());
    if (IsLeadByte(q) || At(cursor_) != q) {
        return false;
    }
    ++cursor_;
    while (!AtRowEnd()) {
        if (At(cursor_) == q) {
            if (At(cursor_ + 1) != q) {
                ++cursor_;
                break;
            }
            cursor_ += 2;
        } else {
            cursor_ += CharLen(cursor_);
        }
    }
    return true;
}

void TEditorParser::ScanToRowEnd() {
    while (!AtRowEnd()) {
        cursor_ += CharLen(cursor_);
    }
}

void TEditorParser::SkipDigits() {
    while (IsDigit(At(cursor_))) {
        ++cursor_;
    }
}

void TEditorParser::SkipHexDigits() {
    while (kHexDigits[At(cursor_)]) {
        ++cursor_;
    }
}

// An exponent is "E" or "e", then a sign with digits after it, or digits. A
// sign without a digit after it is not part of the number.
void TEditorParser::ScanExponent() {
    ++cursor_;
    const unsigned char b = At(cursor_);
    if ((b == '+' || b == '-') && IsDigit(At(cursor_ + 1))) {
        ++cursor_;
    }
    SkipDigits();
}

// Digits, then a fraction and an exponent, which make the number real. A full
// stop after the digits makes the number real even when the stop itself is
// not taken (it is taken only with a digit or an exponent after it).
void TEditorParser::ScanNumber() {
    SkipDigits();
    token_ = TokenKind::tkInteger;
    const unsigned char b = At(cursor_);
    if (b == '.') {
        token_ = TokenKind::tkReal;
        const unsigned char next = At(cursor_ + 1);
        if (IsDigit(next) || IsExponent(next)) {
            ++cursor_;
            SkipDigits();
            if (IsExponent(At(cursor_))) {
                ScanExponent();
            }
        }
    } else if (IsExponent(b)) {
        token_ = TokenKind::tkReal;
        ScanExponent();
    }
}

TokenKind TEditorParser::ScanPlainToken() {
    const unsigned char b = At(cursor_);
    const unsigned char t = At(cursor_ + 1);
    if (b == '\t') {
        ++cursor_;
        return TokenKind::tkTab;
    }
    if (IsDigit(b)) {
        ScanNumber();
        return token_;
    }
    if (kIdentStart[b]) {
        while (kIdentChars[At(cursor_)]) {
            ++cursor_;
        }
        return TokenKind::tkIdent;
    }
    if (b == 0x82 && InRange(t, 0x4F, 0x58)) {
        // Full-width digits, with the full-width comma and full stop among them.
        while (IsPair(cursor_, 0x82, 0x4F, 0x58) || IsPair(cursor_, 0x81, 0x43, 0x44)) {
            cursor_ += 2;
        }
        return TokenKind::tkWideDigits;
    }
    if (b == 0x82 && InRange(t, 0x60, 0x9A)) {
        while (IsPair(cursor_, 0x82, 0x60, 0x9A)) {
            cursor_ += 2;
        }
        return TokenKind::tkWideLatin;
    }
    if (b == 0x82 && InRange(t, 0x9F, 0xF1)) {
        while (IsPair(cursor_, 0x82, 0x9F, 0xF1) || IsLongVowelOrDash(cursor_)) {
            cursor_ += 2;
        }
        return TokenKind::tkHiragana;
    }
    if (b == 0x83 && InRange(t, 0x40, 0x96)) {
        while (IsPair(cursor_, 0x83, 0x40, 0x96) || IsLongVowelOrDash(cursor_)) {
            cursor_ += 2;
        }
        return TokenKind::tkKatakana;
    }
    if (b == 0x83 && InRange(t, 0x9F, 0xF0)) {
        // Greek letters.
        while (IsPair(cursor_, 0x83, 0x9F, 0xF0)) {
            cursor_ += 2;
        }
        return TokenKind::tkDbcsSymbol;
    }
    if (InRange(b, 0x84, 0x87)) {
        while (InRange(At(cursor_), 0x84, 0x87)) {
            cursor_ += CharLen(cursor_);
        }
        return TokenKind::tkDbcsSymbol;
    }
    if (IsKanjiLead(b)) {
        while (IsKanjiLead(At(cursor_))) {
            cursor_ += CharLen(cursor_);
        }
        return TokenKind::tkKanji;
    }
    if (b == 0x81 || b == 0x82 || b == 0x83) {
        // One symbol, or a code point Shift-JIS leaves unassigned: the whole
        // character either way, so it is never split between tokens.
        cursor_ += CharLen(cursor_);
        return TokenKind::tkDbcsSymbol;
    }
    if (InRange(b, 0xA1, 0xA5)) {
        ++cursor_;
        return TokenKind::tkKanaPunct;
    }
    if (InRange(b, 0xA6, 0xDF)) {
        while (InRange(At(cursor_), 0xA6, 0xDF)) {
            ++cursor_;
        }
        return TokenKind::tkKana;
    }
    ++cursor_;
    return TokenKind::tkSymbol;
}

} // namespace mojiro
