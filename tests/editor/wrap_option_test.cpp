#include "editor/WrapOption.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>
#include <iconv.h>
#include <string>
#include <vector>

namespace mojiro {
namespace {

struct ChangeLog {
    std::vector<TNotifyPersistent*> senders;
    void Watch(TNotifyPersistent& object) {
        object.SetOnChange([this](TNotifyPersistent* sender) { senders.push_back(sender); });
    }
};

// Number of characters of a CP932 text, a lead byte and its trail being one.
int CountChars(std::string_view text) {
    int n = 0;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i))
        ++n;
    return n;
}

// Empty when every character of text is a valid CP932 character, else the
// byte offset of the first bad one.
std::string FirstInvalidChar(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(b)) {
            const auto t = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
            if (t < 0x40 || t == 0x7F || t > 0xFC)
                return "bad trail byte at " + std::to_string(i);
        } else if (!(b >= 0x20 && b <= 0x7E) && !(b >= 0xA1 && b <= 0xDF)) {
            return "bad single byte at " + std::to_string(i);
        }
    }
    return "";
}

// UTF-8 form of a CP932 text, so the sets can be compared with readable text.
std::string ToUtf8(const std::string& cp932) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return "<no CP932 converter>";
    std::string in = cp932;
    std::string out(in.size() * 4, '\0');
    char* src = in.data();
    char* dst = out.data();
    std::size_t srcLeft = in.size();
    std::size_t dstLeft = out.size();
    const std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1))
        return "<invalid CP932>";
    out.resize(out.size() - dstLeft);
    return out;
}

TEST(WrapOption, NewOptionHoldsTheBasicKinsokuSetsInCp932) {
    TEditorWrapOption w;
    EXPECT_EQ(36, CountChars(w.FollowStr()));
    EXPECT_EQ(9, CountChars(w.LeadStr()));
    EXPECT_EQ(8, CountChars(w.PunctuationStr()));
    EXPECT_EQ("", FirstInvalidChar(w.FollowStr()));
    EXPECT_EQ("", FirstInvalidChar(w.LeadStr()));
    EXPECT_EQ("", FirstInvalidChar(w.PunctuationStr()));
    EXPECT_EQ("、。，．・？！゛゜ヽヾゝゞ々ー）］｝」』!),.:;?]}｡｣､･ｰﾞﾟ", ToUtf8(w.FollowStr()));
    EXPECT_EQ("（［｛「『([{｢", ToUtf8(w.LeadStr()));
    EXPECT_EQ("、。，．,.｡､", ToUtf8(w.PunctuationStr()));
}

TEST(WrapOption, WindowDefaultsSetTheNewspaperRulesInOneChange) {
    TEditorWrapOption w;
    w.SetWrapByte(60);
    ChangeLog log;
    log.Watch(w);

    ApplyWindowDefaults(w);

    EXPECT_EQ(1u, log.senders.size());
    EXPECT_EQ(80, w.WrapByte());
    EXPECT_TRUE(w.Leading());
    EXPECT_TRUE(w.FollowRetMark());
    EXPECT_FALSE(w.FollowPunctuation());
    EXPECT_TRUE(w.WordBreak());
    EXPECT_EQ(83, CountChars(w.FollowStr()));
    EXPECT_EQ(19, CountChars(w.LeadStr()));
    EXPECT_EQ(8, CountChars(w.PunctuationStr()));
    EXPECT_EQ("", FirstInvalidChar(w.FollowStr()));
    EXPECT_EQ("", FirstInvalidChar(w.LeadStr()));
    EXPECT_EQ("!%),.:;?]}｡｣､･ｧｨｩｪｫｬｭｮｯｰﾞﾟ、。，．・：；？！゛゜ヽヾゝゞ々ー’”）〕］｝〉》」』】°′″℃"
              "￠％‰ぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶ",
              ToUtf8(w.FollowStr()));
    EXPECT_EQ("$([{｢‘“（〔［｛〈《「『【￥＄￡", ToUtf8(w.LeadStr()));
    EXPECT_EQ("、。，．,.｡､", ToUtf8(w.PunctuationStr()));
}

TEST(WrapOption, WrapByteIsClampedToTwentyThroughTwoHundredFifty) {
    TEditorWrapOption w;
    w.SetWrapByte(10);
    EXPECT_EQ(20, w.WrapByte());
    w.SetWrapByte(1000);
    EXPECT_EQ(250, w.WrapByte());
    w.SetWrapByte(64);
    EXPECT_EQ(64, w.WrapByte());
}

TEST(WrapOption, SettingAValueItAlreadyHasReportsNothing) {
    TEditorWrapOption w;
    w.SetWrapByte(250);
    ChangeLog log;
    log.Watch(w);

    w.SetWrapByte(1000); // clamps to the current 250
    w.SetLeading(false);
    w.SetFollowStr(std::string(w.FollowStr()));

    EXPECT_EQ(0u, log.senders.size());
}

TEST(WrapOption, AssignCopiesAllValuesAndReportsOnce) {
    TEditorWrapOption source;
    ApplyWindowDefaults(source);
    source.SetFollowPunctuation(true);
    source.SetWrapByte(42);
    TEditorWrapOption w;
    ChangeLog log;
    log.Watch(w);

    w.Assign(source);

    EXPECT_EQ(1u, log.senders.size());
    EXPECT_EQ(source.FollowRetMark(), w.FollowRetMark());
    EXPECT_EQ(source.FollowPunctuation(), w.FollowPunctuation());
    EXPECT_EQ(source.FollowStr(), w.FollowStr());
    EXPECT_EQ(source.Leading(), w.Leading());
    EXPECT_EQ(source.LeadStr(), w.LeadStr());
    EXPECT_EQ(source.PunctuationStr(), w.PunctuationStr());
    EXPECT_EQ(source.WordBreak(), w.WordBreak());
    EXPECT_EQ(42, w.WrapByte());
}

TEST(ContainsChar, EmptyCharacterOrOneLongerThanTheSetIsNoMember) {
    EXPECT_FALSE(ContainsChar("", "abc"));
    EXPECT_FALSE(ContainsChar("\x81\x41", "\x81")); // 、 against a lone lead byte
}

TEST(ContainsChar, FindsSingleAndDoubleByteMembers) {
    const std::string set = "\x81\x41" // 、
                            ",."
                            "\xA1"; // ｡
    EXPECT_TRUE(ContainsChar("\x81\x41", set));
    EXPECT_TRUE(ContainsChar(".", set));
    EXPECT_TRUE(ContainsChar("\xA1", set));
    EXPECT_FALSE(ContainsChar("\x81\x42", set)); // 。
    EXPECT_FALSE(ContainsChar("!", set));
}

TEST(ContainsChar, NeverMatchesInsideADoubleByteCharacter) {
    const std::string set = "\x81\x41\x82\xA0";  // 、あ
    EXPECT_FALSE(ContainsChar("A", set));        // 0x41 is the trail byte of 、
    EXPECT_FALSE(ContainsChar("\xA0", set));     // a trail byte, not half-width
    EXPECT_FALSE(ContainsChar("\x41\x82", set)); // straddles two characters
    EXPECT_TRUE(ContainsChar("\x82\xA0", set));
}

} // namespace
} // namespace mojiro
