#include "editor/WrapOption.h"

#include "platform/CodePage.h"

#include <algorithm>
#include <utility>

namespace mojiro {
namespace {

// Rule sets of a new wrap option (CP932 bytes).
constexpr std::string_view kFollowStr =
    "\x81\x41\x81\x42\x81\x43\x81\x44\x81\x45\x81\x48\x81\x49\x81\x4A" // 、。，．・？！゛
    "\x81\x4B\x81\x52\x81\x53\x81\x54\x81\x55\x81\x58\x81\x5B\x81\x6A" // ゜ヽヾゝゞ々ー）
    "\x81\x6E\x81\x70\x81\x76\x81\x78"                                 // ］｝」』
    "!),.:;?]}"
    "\xA1\xA3\xA4\xA5\xB0\xDE\xDF"; // ｡｣､･ｰﾞﾟ
constexpr std::string_view kLeadStr = "\x81\x69\x81\x6D\x81\x6F\x81\x75\x81\x77" // （［｛「『
                                      "([{"
                                      "\xA2";                                   // ｢
constexpr std::string_view kPunctuationStr = "\x81\x41\x81\x42\x81\x43\x81\x44" // 、。，．
                                             ",."
                                             "\xA1\xA4"; // ｡､

// The main window's richer sets: small kana, units and currency signs too.
constexpr std::string_view kWindowFollowStr =
    "!%),.:;?]}"
    "\xA1\xA3\xA4\xA5\xA7\xA8\xA9\xAA"                                 // ｡｣､･ｧｨｩｪ
    "\xAB\xAC\xAD\xAE\xAF\xB0\xDE\xDF"                                 // ｫｬｭｮｯｰﾞﾟ
    "\x81\x41\x81\x42\x81\x43\x81\x44\x81\x45\x81\x46\x81\x47\x81\x48" // 、。，．・：；？
    "\x81\x49\x81\x4A\x81\x4B\x81\x52\x81\x53\x81\x54\x81\x55\x81\x58" // ！゛゜ヽヾゝゞ々
    "\x81\x5B\x81\x66\x81\x68\x81\x6A\x81\x6C\x81\x6E\x81\x70\x81\x72" // ー’”）〕］｝〉
    "\x81\x74\x81\x76\x81\x78\x81\x7A\x81\x8B\x81\x8C\x81\x8D\x81\x8E" // 》」』】°′″℃
    "\x81\x91\x81\x93\x81\xF1\x82\x9F\x82\xA1\x82\xA3\x82\xA5\x82\xA7" // ￠％‰ぁぃぅぇぉ
    "\x82\xC1\x82\xE1\x82\xE3\x82\xE5\x82\xEC\x83\x40\x83\x42\x83\x44" // っゃゅょゎァィゥ
    "\x83\x46\x83\x48\x83\x62\x83\x83\x83\x85\x83\x87\x83\x8E\x83\x95" // ェォッャュョヮヵ
    "\x83\x96";                                                        // ヶ
constexpr std::string_view kWindowLeadStr =
    "$([{"
    "\xA2\x81\x65\x81\x67\x81\x69\x81\x6B\x81\x6D\x81\x6F\x81\x71" // ｢‘“（〔［｛〈
    "\x81\x73\x81\x75\x81\x77\x81\x79\x81\x8F\x81\x90\x81\x92";    // 《「『【￥＄￡

} // namespace

TEditorWrapOption::TEditorWrapOption()
    : followStr_(kFollowStr), leadStr_(kLeadStr), punctuationStr_(kPunctuationStr) {}

void TEditorWrapOption::Assign(const TEditorWrapOption& source) {
    followRetMark_ = source.followRetMark_;
    followPunctuation_ = source.followPunctuation_;
    followStr_ = source.followStr_;
    leading_ = source.leading_;
    leadStr_ = source.leadStr_;
    punctuationStr_ = source.punctuationStr_;
    wordBreak_ = source.wordBreak_;
    wrapByte_ = source.wrapByte_;
    Changed();
}

template <typename T> void TEditorWrapOption::Store(T& field, T value) {
    if (field == value)
        return;
    field = std::move(value);
    Changed();
}

void TEditorWrapOption::SetFollowRetMark(bool value) {
    Store(followRetMark_, value);
}
void TEditorWrapOption::SetFollowPunctuation(bool value) {
    Store(followPunctuation_, value);
}
void TEditorWrapOption::SetFollowStr(std::string value) {
    Store(followStr_, std::move(value));
}
void TEditorWrapOption::SetLeading(bool value) {
    Store(leading_, value);
}
void TEditorWrapOption::SetLeadStr(std::string value) {
    Store(leadStr_, std::move(value));
}
void TEditorWrapOption::SetPunctuationStr(std::string value) {
    Store(punctuationStr_, std::move(value));
}
void TEditorWrapOption::SetWordBreak(bool value) {
    Store(wordBreak_, value);
}
void TEditorWrapOption::SetWrapByte(int value) {
    Store(wrapByte_, std::clamp(value, 20, 250));
}

bool ContainsChar(std::string_view ch, std::string_view set) {
    if (ch.empty() || ch.size() > set.size())
        return false;
    for (std::size_t i = 0; i < set.size(); i += CharLength(set, i)) {
        if (set.compare(i, ch.size(), ch) == 0)
            return true;
    }
    return false;
}

void ApplyWindowDefaults(TEditorWrapOption& w) {
    w.BeginUpdate();
    w.SetWrapByte(80);
    w.SetLeading(true);
    w.SetFollowRetMark(true);
    w.SetFollowPunctuation(false);
    w.SetWordBreak(true);
    w.SetFollowStr(std::string(kWindowFollowStr));
    w.SetLeadStr(std::string(kWindowLeadStr));
    w.SetPunctuationStr(std::string(kPunctuationStr));
    w.EndUpdate();
}

} // namespace mojiro
