// The editor property set: its design values, copying to and from an editor,
// its stream and its place in the settings store, and what a damaged stream
// does to it (nothing).
#include "../editor/FakeHost.h"
#include "FileTestSupport.h"
#include "settings/EditorProp.h"
#include "settings/PropertyStream.h"
#include "settings/SettingsStore.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <unistd.h>

namespace mojiro {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::FreshFolder;
using test::Put;
using namespace std::string_literals;

constexpr TColor clRed = 0x0000FF;
constexpr TColor clGreen = 0x008000;
constexpr TColor clHighlight = 0x8000000D;
constexpr TColor clHighlightText = 0x8000000E;
const std::string kMsGothic = "\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e"; // ＭＳ ゴシック

// Every property of a set as one text, read through the getters alone, so
// that two sets compare with the difference shown.
std::string DescribeCaret(const TEditorCaret& c) {
    std::ostringstream out;
    const TEditorCursors& cur = c.Cursors();
    out << "Caret " << c.AutoCursor() << c.AutoIndent() << c.FreeCaret() << c.InTab()
        << c.KeepCaret() << c.LockScroll() << c.NextLine() << c.PrevSpaceIndent() << c.RowSelect()
        << static_cast<int>(c.SelDragMode()) << c.SelMove() << c.SoftTab()
        << static_cast<int>(c.Style()) << c.TabIndent() << " tab " << c.TabSpaceCount()
        << " cursors " << cur.DefaultCursor() << ' ' << cur.DragSelCursor() << ' '
        << cur.DragSelCopyCursor() << ' ' << cur.InSelCursor() << ' ' << cur.LeftMarginCursor()
        << "\n";
    return out.str();
}

std::string Describe(const TEditorProp& p) {
    std::ostringstream out;
    out << "Color " << p.Color() << "\n" << DescribeCaret(p.Caret());
    const TEditorFont& f = p.Font();
    out << "Font " << f.name << " h" << f.height << " s" << f.size << ' ' << f.charset << ' '
        << f.color << ' ' << int(f.style) << "\n";
    const TEditorMargin& m = p.Margin();
    out << "Margin " << m.Character() << ' ' << m.Left() << ' ' << m.Line() << ' ' << m.Top()
        << "\n";
    for (const TEditorMark* mark :
         {&p.Marks().EofMark(), &p.Marks().RetMark(), &p.Marks().Underline()})
        out << "Mark " << mark->Color() << ' ' << mark->Visible() << "\n";
    out << "Words " << p.ReserveWords().Text() << "\n";
    out << "ScrollBars " << static_cast<int>(p.ScrollBars()) << "\n";
    const TEditorViewInfo& v = p.View();
    for (int i = 0; i < v.Brackets().Count(); ++i) {
        const TEditorBracketItem& item = v.Brackets().Items(i);
        out << "Bracket " << item.LeftBracket() << ' ' << item.RightBracket() << ' '
            << item.ItemColor().BkColor() << ' ' << item.ItemColor().Color() << ' '
            << int(item.ItemColor().Style()) << "\n";
    }
    for (int i = 0; i < TEditorColors::kCount; ++i) {
        const TEditorColor& color = v.Colors().ColorAt(i);
        out << "Colors" << i << ' ' << color.BkColor() << ' ' << color.Color() << ' '
            << int(color.Style()) << "\n";
    }
    out << "View [" << v.Commenter() << "] " << v.ControlCode() << " [" << v.HexPrefix() << "] "
        << v.Mail() << " [" << v.Quotation() << "] " << v.Url() << "\n";
    out << "WordWrap " << p.WordWrap() << "\n";
    const TEditorWrapOption& w = p.WrapOption();
    out << "Wrap " << w.FollowRetMark() << w.FollowPunctuation() << w.Leading() << w.WordBreak()
        << ' ' << w.WrapByte() << " [" << w.FollowStr() << "] [" << w.LeadStr() << "] ["
        << w.PunctuationStr() << "]\n";
    return out.str();
}

TEditorProp& DesignProp(TEditorProp& prop) {
    prop.SetDesignValues();
    return prop;
}

// A set in which every property differs from its design value, with
// integers of every width, named and unnamed colours, a text over 255 bytes
// and fourteen enclosing pairs.
void SetEveryProperty(TEditorProp& p) {
    p.SetColor(0x00336699);
    TEditorCaret& c = p.Caret();
    c.SetAutoCursor(false);
    c.SetAutoIndent(true);
    c.SetFreeCaret(true);
    c.SetInTab(true);
    c.SetKeepCaret(false);
    c.SetLockScroll(false);
    c.SetNextLine(false);
    c.SetPrevSpaceIndent(true);
    c.SetRowSelect(false);
    c.SetSelDragMode(TDragMode::dmAutomatic);
    c.SetSelMove(false);
    c.SetSoftTab(true);
    c.SetStyle(TEditorCaretStyle::csBrief);
    c.SetTabIndent(true);
    c.SetTabSpaceCount(4);
    c.Cursors().SetDefaultCursor(-2);     // crArrow
    c.Cursors().SetDragSelCursor(-21);    // crHandPoint
    c.Cursors().SetDragSelCopyCursor(7);  // one of the program's own
    c.Cursors().SetInSelCursor(-3);       // crCross
    c.Cursors().SetLeftMarginCursor(-99); // no name
    p.SetFont(TEditorFont{.name = "IPAGothic",
                          .height = -16,
                          .size = 12,
                          .charset = "ANSI_CHARSET",
                          .color = clRed,
                          .style = fsBold | fsItalic});
    p.Margin().SetCharacter(3);
    p.Margin().SetLeft(300);
    p.Margin().SetLine(-4);
    p.Margin().SetTop(70000);
    p.Marks().EofMark().SetColor(clGreen);
    p.Marks().EofMark().SetVisible(false);
    p.Marks().RetMark().SetColor(0x00ABCDEF);
    p.Marks().RetMark().SetVisible(true);
    p.Marks().Underline().SetColor(clWindowText);
    p.Marks().Underline().SetVisible(false);
    p.ReserveWords().Add("begin");
    p.ReserveWords().Add("end");
    p.ReserveWords().Add("\x8b\x4c\x8e\xd2"); // 記者
    p.SetScrollBars(TScrollStyle::ssBoth);
    TEditorViewInfo& v = p.View();
    for (int i = 0; i < kMaxBrackets; ++i) {
        TEditorBracketItem& item = v.Brackets().Add();
        item.SetLeftBracket(i == 0 ? "\x81\x75"s : "<" + std::to_string(i));  // 「
        item.SetRightBracket(i == 0 ? "\x81\x76"s : std::to_string(i) + ">"); // 」
        item.ItemColor().SetBkColor(static_cast<TColor>(0x010203 * (i + 1)));
        item.ItemColor().SetColor(i % 2 ? clRed : clHighlight);
        item.ItemColor().SetStyle(static_cast<TFontStyles>(i % 16));
    }
    for (int i = 0; i < TEditorColors::kCount; ++i) {
        v.Colors().ColorAt(i).SetBkColor(static_cast<TColor>(0x100000 + i));
        v.Colors().ColorAt(i).SetColor(0x80000000 + static_cast<TColor>(i));
        v.Colors().ColorAt(i).SetStyle(static_cast<TFontStyles>(15 - i));
    }
    v.SetCommenter("//");
    v.SetControlCode(true);
    v.SetHexPrefix("0x");
    v.SetMail(false);
    v.SetQuotation("'");
    v.SetUrl(false);
    p.SetWordWrap(false);
    TEditorWrapOption& w = p.WrapOption();
    w.SetFollowRetMark(false);
    w.SetFollowPunctuation(true);
    std::string follow;
    for (int i = 0; i < 150; ++i)
        follow += "\x81\x42"; // 。
    w.SetFollowStr(follow);
    w.SetLeading(false);
    w.SetLeadStr("(");
    w.SetPunctuationStr("\x81\x41"); // 、
    w.SetWordBreak(false);
    w.SetWrapByte(200);
}

std::string StreamOf(std::vector<PropertyRecord> records) {
    return WritePropertyStream(ComponentStream{"TEditorProp", "EditorProp1", std::move(records)});
}

// The record of one property as the set writes it.
std::string RecordBytes(const TEditorProp& prop, std::string_view name) {
    const auto stream = ReadPropertyStream(prop.SaveToStream());
    for (const PropertyRecord& record : stream.value().properties) {
        if (record.name == name) {
            const std::string whole = WritePropertyStream(ComponentStream{"", "", {record}});
            return whole.substr(6, whole.size() - 8); // without header and end markers
        }
    }
    return "absent";
}

TEST(EditorProp, ConstructionGivesFixedSysAndWindowColours) {
    const TEditorProp prop;
    EXPECT_EQ("EditorProp1", prop.Name());
    const std::string header = "TPF0\x0bTEditorProp\x0b"
                               "EditorProp1"s;
    EXPECT_EQ(header, prop.SaveToStream().substr(0, header.size()));
    EXPECT_EQ(clWindow, prop.Color());
    EXPECT_EQ(clWindowText, prop.Font().color);
    EXPECT_EQ("FixedSys", prop.Font().name);
    EXPECT_EQ(0, prop.ReserveWords().Count());
    EXPECT_EQ(TEditorWrapOption().WrapByte(), prop.WrapOption().WrapByte());
}

TEST(EditorProp, DesignValuesAreTheFirstStartOfTheMainWindow) {
    TEditorProp prop;
    prop.SetDesignValues();
    EXPECT_EQ(TScrollStyle::ssVertical, prop.ScrollBars());
    EXPECT_TRUE(prop.WordWrap());
    EXPECT_EQ((TEditorFont{kMsGothic, -13, 10, "SHIFTJIS_CHARSET", clWindowText, 0}), prop.Font());
    EXPECT_EQ("Caret 10001110101000 tab 8 cursors -4 -12 2 0 1\n", DescribeCaret(prop.Caret()));
    EXPECT_EQ(0, prop.Margin().Character());
    EXPECT_EQ(6, prop.Margin().Left());
    EXPECT_EQ(0, prop.Margin().Line());
    EXPECT_EQ(2, prop.Margin().Top());
    for (const TEditorMark* mark :
         {&prop.Marks().EofMark(), &prop.Marks().RetMark(), &prop.Marks().Underline()}) {
        EXPECT_TRUE(mark->Visible());
        EXPECT_EQ(clActiveCaption, mark->Color());
    }
    const TEditorColors& colors = prop.View().Colors();
    EXPECT_EQ(clWindow, colors.Url().BkColor());
    EXPECT_EQ(clWindowText, colors.Url().Color());
    EXPECT_EQ(clHighlight, colors.Select().BkColor());
    EXPECT_EQ(clHighlightText, colors.Select().Color());
    EXPECT_TRUE(prop.View().Mail());
    EXPECT_TRUE(prop.View().Url());
    EXPECT_FALSE(prop.View().ControlCode());
    EXPECT_EQ(0, prop.View().Brackets().Count());
    TEditorWrapOption windowWrap;
    ApplyWindowDefaults(windowWrap);
    EXPECT_EQ(80, prop.WrapOption().WrapByte());
    EXPECT_TRUE(prop.WrapOption().Leading());
    EXPECT_EQ(windowWrap.FollowStr(), prop.WrapOption().FollowStr());
    EXPECT_EQ(windowWrap.LeadStr(), prop.WrapOption().LeadStr());
}

TEST(EditorProp, StreamRoundTripKeepsEveryProperty) {
    TEditorProp saved;
    SetEveryProperty(saved);
    TEditorProp loaded;
    DesignProp(loaded);
    ASSERT_NE(Describe(saved), Describe(loaded));

    ASSERT_TRUE(loaded.LoadFromStream(saved.SaveToStream()));
    EXPECT_EQ(Describe(saved), Describe(loaded));
    ASSERT_EQ(kMaxBrackets, loaded.View().Brackets().Count());
    EXPECT_EQ("\x81\x75"s, loaded.View().Brackets().Items(0).LeftBracket());
    EXPECT_EQ(fsBold | fsStrikeOut, loaded.View().Brackets().Items(9).ItemColor().Style());
}

TEST(EditorProp, WriterUsesTheSmallestIntegerWidth) {
    TEditorProp prop;
    SetEveryProperty(prop);
    EXPECT_EQ("\x0bMargin.Left\x03\x2c\x01"s, RecordBytes(prop, "Margin.Left"));
    EXPECT_EQ("\x0aMargin.Top\x04\x70\x11\x01\x00"s, RecordBytes(prop, "Margin.Top"));
    EXPECT_EQ("\x0bMargin.Line\x02\xfc"s, RecordBytes(prop, "Margin.Line"));
    EXPECT_EQ("\x0b"
              "Font.Height\x02\xf0"s,
              RecordBytes(prop, "Font.Height"));
    EXPECT_EQ("\x13WrapOption.WrapByte\x03\xc8\x00"s, RecordBytes(prop, "WrapOption.WrapByte"));
    EXPECT_EQ("absent", RecordBytes(prop, "Font.Size")) << "the font goes by its height";
}

TEST(EditorProp, NamedValuesAreWrittenAsIdentifiers) {
    TEditorProp prop;
    prop.SetDesignValues();
    EXPECT_EQ("\x05"
              "Color\x07\x08"
              "clWindow"s,
              RecordBytes(prop, "Color"));
    EXPECT_EQ("\x1aView.Colors.Select.BkColor\x07\x0b"
              "clHighlight"s,
              RecordBytes(prop, "View.Colors.Select.BkColor"));
    EXPECT_EQ("\x0aScrollBars\x07\x0assVertical"s, RecordBytes(prop, "ScrollBars"));
    EXPECT_EQ("\x1b"
              "Caret.Cursors.DefaultCursor\x07\x07"
              "crIBeam"s,
              RecordBytes(prop, "Caret.Cursors.DefaultCursor"));
    EXPECT_EQ("\x1e"
              "Caret.Cursors.LeftMarginCursor\x02\x01"s,
              RecordBytes(prop, "Caret.Cursors.LeftMarginCursor"));
    EXPECT_EQ("\x0c"
              "Font.Charset\x07\x10SHIFTJIS_CHARSET"s,
              RecordBytes(prop, "Font.Charset"));

    SetEveryProperty(prop);
    EXPECT_EQ("\x05"
              "Color\x04\x99\x66\x33\x00"s,
              RecordBytes(prop, "Color"));
    EXPECT_EQ("\x0a"
              "Font.Color\x07\x05"
              "clRed"s,
              RecordBytes(prop, "Font.Color"));
    EXPECT_EQ("\x0a"
              "Font.Style\x0b\x06"
              "fsBold\x08"
              "fsItalic\x00"s,
              RecordBytes(prop, "Font.Style"));
}

TEST(EditorProp, OptionalRecordsAreLeftOutAndBracketsAlwaysWritten) {
    TEditorProp prop;
    prop.SetDesignValues();
    EXPECT_EQ("absent", RecordBytes(prop, "ReserveWordList.Strings"));
    EXPECT_EQ("\x0dView.Brackets\x0e\x00"s, RecordBytes(prop, "View.Brackets"));
    prop.ReserveWords().Add("if");
    EXPECT_EQ("\x17ReserveWordList.Strings\x01\x06\x02if\x00"s,
              RecordBytes(prop, "ReserveWordList.Strings"));
}

// Leaving an emptied text out of the stream would bring the design value
// back at the next start; the user's empty kinsoku set must stay empty.
TEST(EditorProp, EmptiedTextSurvivesTheNextStart) {
    TEditorProp closing;
    closing.SetDesignValues();
    closing.WrapOption().SetFollowStr("");
    closing.WrapOption().SetPunctuationStr("");
    TEditorProp starting;
    starting.SetDesignValues();
    ASSERT_TRUE(starting.LoadFromStream(closing.SaveToStream()));
    EXPECT_EQ("", starting.WrapOption().FollowStr());
    EXPECT_EQ("", starting.WrapOption().PunctuationStr());
}

TEST(EditorProp, StreamWithoutWrapByteLeavesEighty) {
    TEditorProp prop;
    prop.SetDesignValues();
    ASSERT_TRUE(prop.LoadFromStream(StreamOf(
        {{"WordWrap", BooleanValue(false)}, {"WrapOption.Leading", BooleanValue(false)}})));
    EXPECT_EQ(80, prop.WrapOption().WrapByte());
    EXPECT_FALSE(prop.WrapOption().Leading());
    EXPECT_FALSE(prop.WordWrap());
    EXPECT_EQ(TScrollStyle::ssVertical, prop.ScrollBars());
}

TEST(EditorProp, FontSizeOrPitchInTheStreamIsTaken) {
    TEditorProp prop;
    prop.SetDesignValues();
    ASSERT_TRUE(prop.LoadFromStream(
        StreamOf({{"Font.Pitch", IdentValue("fpFixed")}, {"Font.Size", IntegerValue(12)}})));
    EXPECT_EQ(12, prop.Font().size);
    EXPECT_EQ(-16, prop.Font().height);
}

class DamagedStream : public ::testing::Test {
protected:
    void SetUp() override {
        prop.SetDesignValues();
        before = Describe(prop);
        TEditorProp other;
        SetEveryProperty(other);
        good = other.SaveToStream();
    }
    // Loading gave false and changed nothing.
    void ExpectRefused(std::string_view bytes, const std::string& what) {
        EXPECT_FALSE(prop.LoadFromStream(bytes)) << what;
        EXPECT_EQ(before, Describe(prop)) << what;
    }

    TEditorProp prop;
    std::string before;
    std::string good;
};

TEST_F(DamagedStream, EveryTruncationAppliesNothing) {
    for (std::size_t length = 0; length < good.size(); ++length)
        ExpectRefused(std::string_view(good).substr(0, length), std::to_string(length));
}

TEST_F(DamagedStream, UnknownPropertyAfterGoodOnesAppliesNothing) {
    ExpectRefused(StreamOf({{"WordWrap", BooleanValue(false)},
                            {"Margin.Left", IntegerValue(40)},
                            {"Caret.NoSuchOption", BooleanValue(true)}}),
                  "unknown name");
}

TEST_F(DamagedStream, ValueOfTheWrongKindAppliesNothing) {
    ExpectRefused(StreamOf({{"Margin.Left", IntegerValue(40)}, {"WordWrap", IntegerValue(1)}}),
                  "integer for a boolean");
    ExpectRefused(StreamOf({{"Color", IdentValue("clNoSuchColour")}}), "unknown colour");
    ExpectRefused(StreamOf({{"ScrollBars", IdentValue("ssDiagonal")}}), "unknown enumeration");
    ExpectRefused(StreamOf({{"Font.Style", SetValue({"fsBold", "fsBlinking"})}}), "unknown style");
    ExpectRefused(StreamOf({{"ReserveWordList.Strings", ListValue({IntegerValue(1)})}}),
                  "number among the words");
    ExpectRefused(
        StreamOf({{"View.Brackets", CollectionValue({{{"LeftBracket", TextValue("(")}},
                                                     {{"ItemColor.Shade", IntegerValue(1)}}})}}),
        "unknown pair property");
}

TEST_F(DamagedStream, FifteenthEnclosingPairAppliesNothing) {
    std::vector<std::vector<PropertyRecord>> pairs(kMaxBrackets + 1,
                                                   {{"LeftBracket", TextValue("(")}});
    ExpectRefused(StreamOf({{"View.Brackets", CollectionValue(pairs)}}), "15 pairs");
    pairs.pop_back();
    EXPECT_TRUE(prop.LoadFromStream(StreamOf({{"View.Brackets", CollectionValue(pairs)}})));
    EXPECT_EQ(kMaxBrackets, prop.View().Brackets().Count());
}

TEST_F(DamagedStream, OtherClassAppliesNothing) {
    ExpectRefused(
        WritePropertyStream(ComponentStream{"TFont", "Font1", {{"Color", IdentValue("clRed")}}}),
        "class");
}

// A flipped byte either leaves a stream that still reads as some other set,
// or it applies nothing at all.
TEST_F(DamagedStream, FlippedBytesApplyAllOrNothing) {
    std::mt19937 random(20240501);
    int refused = 0;
    for (std::size_t i = 0; i < good.size(); ++i) {
        std::string damaged = good;
        damaged[i] = static_cast<char>(damaged[i] ^ (1 + random() % 255));
        TEditorProp target;
        target.SetDesignValues();
        if (!target.LoadFromStream(damaged)) {
            ++refused;
            EXPECT_EQ(before, Describe(target)) << "flip at " << i;
        }
    }
    EXPECT_GT(refused, 0);
}

class EditorCopy : public ::testing::Test {
protected:
    test::FakeHost host;
    TCustomEditor editor{host};
};

TEST_F(EditorCopy, AssignToThenAssignFromGivesTheSameSet) {
    TEditorProp prop;
    SetEveryProperty(prop);
    prop.AssignTo(editor);
    TEditorProp back;
    back.AssignFrom(editor);
    EXPECT_EQ(Describe(prop), Describe(back));
}

TEST_F(EditorCopy, AssignToFoldsTheDocumentAtTheNewWidthAndKeepsItsModifiedFlag) {
    editor.ListInfo().LoadFromBytes(std::string(100, 'x') + "\r\n");
    editor.SetModified(true);
    ASSERT_EQ(1, editor.RowCount());
    TEditorProp prop;
    prop.SetDesignValues();
    prop.WrapOption().SetWrapByte(40);
    prop.WrapOption().SetWordBreak(false);
    prop.AssignTo(editor);
    EXPECT_EQ(3, editor.RowCount()); // 40 + 40 + 20 columns
    EXPECT_EQ(40, static_cast<int>(editor.RowString(0).size()));
    EXPECT_TRUE(editor.Modified());
}

TEST(EditorProp, AssignCopiesEverythingAndReportsOnlyRealChanges) {
    TEditorProp source;
    SetEveryProperty(source);
    TEditorProp target;
    int colorChanges = 0, scrollChanges = 0, wrapChanges = 0;
    target.OnColorChange = [&](TEditorProp* sender) {
        EXPECT_EQ(&target, sender);
        ++colorChanges;
    };
    target.OnScrollBarsChange = [&](TEditorProp*) { ++scrollChanges; };
    target.OnWordWrapChange = [&](TEditorProp*) { ++wrapChanges; };
    source.AssignTo(target);
    EXPECT_EQ(Describe(source), Describe(target));
    EXPECT_EQ(1, colorChanges);
    EXPECT_EQ(1, scrollChanges);
    EXPECT_EQ(0, wrapChanges) << "WordWrap was false already";
    target.Assign(source);
    EXPECT_EQ(1, colorChanges);
}

class StoredEditorProp : public ::testing::Test {
protected:
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir = FreshFolder();
    SettingsStore store{dir / "Mojiro.ini"};
};

TEST_F(StoredEditorProp, SaveAndLoadCarryTheSetAcrossRuns) {
    TEditorProp closing;
    SetEveryProperty(closing);
    SaveEditorProp(store, closing);
    EXPECT_FALSE(store.IsOpen());

    TEditorProp starting;
    starting.SetDesignValues();
    ASSERT_TRUE(LoadEditorProp(store, starting));
    EXPECT_EQ(Describe(closing), Describe(starting));
}

TEST_F(StoredEditorProp, NothingStoredKeepsTheDesignValues) {
    TEditorProp prop;
    prop.SetDesignValues();
    const std::string before = Describe(prop);
    EXPECT_FALSE(LoadEditorProp(store, prop));
    EXPECT_EQ(before, Describe(prop));

    store.Open();
    store.WriteBinary("EditorProp", "EditorProp", "");
    EXPECT_FALSE(LoadEditorProp(store, prop)) << "an empty value";
    EXPECT_TRUE(store.IsOpen()) << "the caller's open store stays open";
    EXPECT_EQ(before, Describe(prop));
}

TEST_F(StoredEditorProp, DamagedValueKeepsTheDesignValuesAndNextCloseWritesAGoodOne) {
    TEditorProp other;
    SetEveryProperty(other);
    const std::string good = other.SaveToStream();
    store.Open();
    store.WriteBinary("EditorProp", "EditorProp", good.substr(0, good.size() / 2));
    store.Close();

    TEditorProp prop;
    prop.SetDesignValues();
    const std::string before = Describe(prop);
    EXPECT_FALSE(LoadEditorProp(store, prop));
    EXPECT_EQ(before, Describe(prop));

    prop.Margin().SetLeft(12);
    SaveEditorProp(store, prop);
    TEditorProp next;
    ASSERT_TRUE(LoadEditorProp(store, next));
    EXPECT_EQ(Describe(prop), Describe(next));
}

} // namespace
} // namespace mojiro
