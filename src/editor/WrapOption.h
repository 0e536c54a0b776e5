// The line-breaking rules the row list folds by: the folding width and the
// character sets of kinsoku (characters that may not begin or end a row and
// punctuation that may hang past the edge).
#pragma once

#include "editor/NotifyPersistent.h"

#include <string>
#include <string_view>

namespace mojiro {

class TEditorWrapOption : public TNotifyPersistent {
public:
    TEditorWrapOption();

    // Copies all eight values, reported once.
    void Assign(const TEditorWrapOption& source);

    // Keep the line break on a row the line fills exactly, instead of giving
    // it an empty row of its own.
    [[nodiscard]] bool FollowRetMark() const { return followRetMark_; }
    void SetFollowRetMark(bool value);
    // Let characters of PunctuationStr hang past the right edge.
    [[nodiscard]] bool FollowPunctuation() const { return followPunctuation_; }
    void SetFollowPunctuation(bool value);
    // Characters that must not begin a row.
    [[nodiscard]] const std::string& FollowStr() const { return followStr_; }
    void SetFollowStr(std::string value);
    // Apply the rules of LeadStr and FollowStr.
    [[nodiscard]] bool Leading() const { return leading_; }
    void SetLeading(bool value);
    // Characters that must not end a row.
    [[nodiscard]] const std::string& LeadStr() const { return leadStr_; }
    void SetLeadStr(std::string value);
    // Characters that may hang past the right edge.
    [[nodiscard]] const std::string& PunctuationStr() const { return punctuationStr_; }
    void SetPunctuationStr(std::string value);
    // Keep runs of half-width word characters whole.
    [[nodiscard]] bool WordBreak() const { return wordBreak_; }
    void SetWordBreak(bool value);
    // Folding width in display columns, clamped to 20..250.
    [[nodiscard]] int WrapByte() const { return wrapByte_; }
    void SetWrapByte(int value);

private:
    template <typename T> void Store(T& field, T value);

    bool followRetMark_ = false;
    bool followPunctuation_ = false;
    std::string followStr_;
    bool leading_ = false;
    std::string leadStr_;
    std::string punctuationStr_;
    bool wordBreak_ = false;
    int wrapByte_ = 80;
};

// Whether the character ch (one or two bytes) is a member of set, a text of
// CP932 characters. Only whole characters of set match, so a trail byte that
// happens to equal ch is not taken for it.
[[nodiscard]] bool ContainsChar(std::string_view ch, std::string_view set);

// The main window's folding rules for a new user: 40 full-width characters a
// line and the newspaper's full kinsoku sets. Reported as one change.
void ApplyWindowDefaults(TEditorWrapOption& w);

} // namespace mojiro
