#include "settings/EditorProp.h"

#include "settings/AsciiCase.h"
#include "settings/ColorText.h"
#include "settings/PropertyStream.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsTable.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace mojiro {

namespace {

constexpr std::string_view kClassName = "TEditorProp";
constexpr std::string_view kFixedSys = "FixedSys";
constexpr TColor clHighlight = 0x8000000D;
constexpr TColor clHighlightText = 0x8000000E;
constexpr int kSelectColorIndex = 6; // Select in TEditorColors::ColorAt order

// ---- value codecs: a property's value to a stream value and back -----------
// Encode gives nothing for a value that is not written; Decode gives nothing
// for a stream value the property cannot take, which makes the stream count
// as damaged.

struct BoolCodec {
    static std::optional<PropertyValue> Encode(bool value) { return BooleanValue(value); }
    static std::optional<bool> Decode(const PropertyValue& v) {
        if (v.type == PropertyValueType::True)
            return true;
        if (v.type == PropertyValueType::False)
            return false;
        return std::nullopt;
    }
};

bool IsInteger(const PropertyValue& v) {
    return v.type == PropertyValueType::Int8 || v.type == PropertyValueType::Int16 ||
           v.type == PropertyValueType::Int32;
}

struct IntCodec {
    static std::optional<PropertyValue> Encode(int value) { return IntegerValue(value); }
    static std::optional<int> Decode(const PropertyValue& v) {
        if (!IsInteger(v))
            return std::nullopt;
        return v.integer;
    }
};

// An emptied text is written too (as an empty text): the design values of
// the kinsoku sets and the font name are not empty, so leaving an empty text
// out would bring the design value back at the next start.
struct TextCodec {
    static std::optional<PropertyValue> Encode(const std::string& value) {
        return TextValue(value);
    }
    static std::optional<std::string> Decode(const PropertyValue& v) {
        if (v.type != PropertyValueType::String && v.type != PropertyValueType::LString)
            return std::nullopt;
        return v.bytes;
    }
};

// An identifier of a fixed list, matched as the component framework matches
// identifiers: without regard to letter case.
struct NamedValue {
    std::string_view name;
    int value;
};

const NamedValue* FindName(std::span<const NamedValue> table, std::string_view name) {
    const auto it = std::find_if(table.begin(), table.end(), [name](const NamedValue& entry) {
        return EqualsIgnoringAsciiCase(entry.name, name);
    });
    return it == table.end() ? nullptr : &*it;
}

const NamedValue* FindValue(std::span<const NamedValue> table, int value) {
    const auto it = std::find_if(table.begin(), table.end(),
                                 [value](const NamedValue& entry) { return entry.value == value; });
    return it == table.end() ? nullptr : &*it;
}

// An enumeration: its identifiers in declaration order.
template <typename Enum, const auto& Names> struct EnumCodec {
    static std::optional<PropertyValue> Encode(Enum value) {
        const auto index = static_cast<std::size_t>(value);
        if (index >= Names.size())
            return std::nullopt;
        return IdentValue(std::string(Names[index]));
    }
    static std::optional<Enum> Decode(const PropertyValue& v) {
        if (v.type != PropertyValueType::Ident)
            return std::nullopt;
        for (std::size_t i = 0; i < Names.size(); ++i) {
            if (EqualsIgnoringAsciiCase(Names[i], v.bytes))
                return static_cast<Enum>(i);
        }
        return std::nullopt;
    }
};

constexpr std::array<std::string_view, 4> kScrollStyleNames = {"ssNone", "ssHorizontal",
                                                               "ssVertical", "ssBoth"};
constexpr std::array<std::string_view, 2> kDragModeNames = {"dmManual", "dmAutomatic"};
constexpr std::array<std::string_view, 2> kCaretStyleNames = {"csDefault", "csBrief"};
using ScrollStyleCodec = EnumCodec<TScrollStyle, kScrollStyleNames>;
using DragModeCodec = EnumCodec<TDragMode, kDragModeNames>;
using CaretStyleCodec = EnumCodec<TEditorCaretStyle, kCaretStyleNames>;

// A colour with a name in the colour table is written by that name, any
// other as its 32-bit value.
struct ColorCodec {
    static std::optional<PropertyValue> Encode(TColor value) {
        for (const ColorName& entry : ColorNames()) {
            if (entry.value == value)
                return IdentValue(std::string(entry.name));
        }
        return IntegerValue(static_cast<std::int32_t>(value));
    }
    static std::optional<TColor> Decode(const PropertyValue& v) {
        if (IsInteger(v))
            return static_cast<TColor>(v.integer);
        if (v.type != PropertyValueType::Ident)
            return std::nullopt;
        for (const ColorName& entry : ColorNames()) {
            if (EqualsIgnoringAsciiCase(entry.name, v.bytes))
                return entry.value;
        }
        return std::nullopt;
    }
};

// The platform's built-in cursors by name; the program's own (positive)
// cursors have no name and are written as numbers.
constexpr NamedValue kCursorNames[] = {
    {"crDefault", 0},     {"crNone", -1},     {"crArrow", -2},      {"crCross", -3},
    {"crIBeam", -4},      {"crSizeNESW", -6}, {"crSizeNS", -7},     {"crSizeNWSE", -8},
    {"crSizeWE", -9},     {"crUpArrow", -10}, {"crHourGlass", -11}, {"crDrag", -12},
    {"crNoDrop", -13},    {"crHSplit", -14},  {"crVSplit", -15},    {"crMultiDrag", -16},
    {"crSQLWait", -17},   {"crNo", -18},      {"crAppStart", -19},  {"crHelp", -20},
    {"crHandPoint", -21}, {"crSizeAll", -22},
};

struct CursorCodec {
    static std::optional<PropertyValue> Encode(TCursor value) {
        if (const NamedValue* entry = FindValue(kCursorNames, value))
            return IdentValue(std::string(entry->name));
        return IntegerValue(value);
    }
    static std::optional<TCursor> Decode(const PropertyValue& v) {
        if (IsInteger(v))
            return v.integer;
        if (v.type != PropertyValueType::Ident)
            return std::nullopt;
        if (const NamedValue* entry = FindName(kCursorNames, v.bytes))
            return entry->value;
        return std::nullopt;
    }
};

constexpr NamedValue kCharsetNames[] = {
    {"ANSI_CHARSET", 0},      {"DEFAULT_CHARSET", 1},    {"SYMBOL_CHARSET", 2},
    {"MAC_CHARSET", 77},      {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129},
    {"JOHAB_CHARSET", 130},   {"GB2312_CHARSET", 134},   {"CHINESEBIG5_CHARSET", 136},
    {"GREEK_CHARSET", 161},   {"TURKISH_CHARSET", 162},  {"VIETNAMESE_CHARSET", 163},
    {"HEBREW_CHARSET", 177},  {"ARABIC_CHARSET", 178},   {"BALTIC_CHARSET", 186},
    {"RUSSIAN_CHARSET", 204}, {"THAI_CHARSET", 222},     {"EASTEUROPE_CHARSET", 238},
    {"OEM_CHARSET", 255},
};

// A character set is kept by its name; one without a name is a number
// 0..255 in decimal. Anything else is no character set and is not written.
struct CharsetCodec {
    static std::optional<PropertyValue> Encode(const std::string& value) {
        if (const NamedValue* entry = FindName(kCharsetNames, value))
            return IdentValue(std::string(entry->name));
        int number = -1;
        const char* end = value.data() + value.size();
        const auto [ptr, error] = std::from_chars(value.data(), end, number);
        if (error == std::errc() && ptr == end && number >= 0 && number <= 255)
            return IntegerValue(number);
        return std::nullopt;
    }
    static std::optional<std::string> Decode(const PropertyValue& v) {
        if (v.type == PropertyValueType::Ident) {
            if (const NamedValue* entry = FindName(kCharsetNames, v.bytes))
                return std::string(entry->name);
            return std::nullopt;
        }
        if (!IsInteger(v) || v.integer < 0 || v.integer > 255)
            return std::nullopt;
        if (const NamedValue* entry = FindValue(kCharsetNames, v.integer))
            return std::string(entry->name);
        return std::to_string(v.integer);
    }
};

constexpr std::array<std::string_view, 4> kFontStyleNames = {"fsBold", "fsItalic", "fsUnderline",
                                                             "fsStrikeOut"};

struct FontStylesCodec {
    static std::optional<PropertyValue> Encode(TFontStyles value) {
        std::vector<std::string> names;
        for (std::size_t bit = 0; bit < kFontStyleNames.size(); ++bit) {
            if (value & (1u << bit))
                names.emplace_back(kFontStyleNames[bit]);
        }
        return SetValue(std::move(names));
    }
    static std::optional<TFontStyles> Decode(const PropertyValue& v) {
        if (v.type != PropertyValueType::Set)
            return std::nullopt;
        TFontStyles styles = 0;
        for (const std::string& name : v.set) {
            const auto it = std::find_if(
                kFontStyleNames.begin(), kFontStyleNames.end(),
                [&name](std::string_view known) { return EqualsIgnoringAsciiCase(known, name); });
            if (it == kFontStyleNames.end())
                return std::nullopt;
            styles |= static_cast<TFontStyles>(1u << (it - kFontStyleNames.begin()));
        }
        return styles;
    }
};

// ---- property tables ------------------------------------------------------

// One stored property of an object: its name in the stream, how its value
// is written (nothing: not written) and how a stream value is taken (false:
// the value does not fit the property).
template <typename Object> struct Field {
    std::string name;
    std::function<std::optional<PropertyValue>(const Object&)> save;
    std::function<bool(Object&, const PropertyValue&)> load;
};
template <typename Object> using Fields = std::vector<Field<Object>>;

template <typename Codec, typename Object, typename Get, typename Set>
Field<Object> Property(std::string name, Get get, Set set) {
    return {std::move(name),
            [get](const Object& object) { return Codec::Encode(std::invoke(get, object)); },
            [set](Object& object, const PropertyValue& value) {
                auto decoded = Codec::Decode(value);
                if (!decoded)
                    return false;
                std::invoke(set, object, std::move(*decoded));
                return true;
            }};
}

// The properties of an owned object, under its name and a dot. `access`
// reaches the owned object from its owner, const or not.
template <typename Owner, typename Sub, typename Access>
void AppendNested(Fields<Owner>& out, std::string_view prefix, Access access,
                  const Fields<Sub>& sub) {
    for (const Field<Sub>& field : sub) {
        out.push_back(
            {std::string(prefix) + "." + field.name,
             [access, save = field.save](const Owner& owner) { return save(access(owner)); },
             [access, load = field.load](Owner& owner, const PropertyValue& value) {
                 return load(access(owner), value);
             }});
    }
}

template <typename Object>
std::vector<PropertyRecord> SaveFields(const Object& object, const Fields<Object>& fields) {
    std::vector<PropertyRecord> records;
    for (const Field<Object>& field : fields) {
        if (std::optional<PropertyValue> value = field.save(object))
            records.push_back({field.name, std::move(*value)});
    }
    return records;
}

// False at the first record the object has no property for, or whose value
// the property cannot take.
template <typename Object>
bool LoadFields(Object& object, const Fields<Object>& fields,
                const std::vector<PropertyRecord>& records) {
    for (const PropertyRecord& record : records) {
        const auto field =
            std::find_if(fields.begin(), fields.end(), [&record](const Field<Object>& f) {
                return EqualsIgnoringAsciiCase(f.name, record.name);
            });
        if (field == fields.end() || !field->load(object, record.value))
            return false;
    }
    return true;
}

Fields<TEditorCursors> CursorsFields() {
    using C = TEditorCursors;
    return {
        Property<CursorCodec, C>("DefaultCursor", &C::DefaultCursor, &C::SetDefaultCursor),
        Property<CursorCodec, C>("DragSelCursor", &C::DragSelCursor, &C::SetDragSelCursor),
        Property<CursorCodec, C>("DragSelCopyCursor", &C::DragSelCopyCursor,
                                 &C::SetDragSelCopyCursor),
        Property<CursorCodec, C>("InSelCursor", &C::InSelCursor, &C::SetInSelCursor),
        Property<CursorCodec, C>("LeftMarginCursor", &C::LeftMarginCursor, &C::SetLeftMarginCursor),
    };
}

Fields<TEditorCaret> CaretFields() {
    using C = TEditorCaret;
    Fields<C> fields = {
        Property<BoolCodec, C>("AutoCursor", &C::AutoCursor, &C::SetAutoCursor),
        Property<BoolCodec, C>("AutoIndent", &C::AutoIndent, &C::SetAutoIndent),
    };
    AppendNested(
        fields, "Cursors", [](auto& caret) -> auto& { return caret.Cursors(); }, CursorsFields());
    for (Field<C>& field : Fields<C>{
             Property<BoolCodec, C>("FreeCaret", &C::FreeCaret, &C::SetFreeCaret),
             Property<BoolCodec, C>("InTab", &C::InTab, &C::SetInTab),
             Property<BoolCodec, C>("KeepCaret", &C::KeepCaret, &C::SetKeepCaret),
             Property<BoolCodec, C>("LockScroll", &C::LockScroll, &C::SetLockScroll),
             Property<BoolCodec, C>("NextLine", &C::NextLine, &C::SetNextLine),
             Property<BoolCodec, C>("PrevSpaceIndent", &C::PrevSpaceIndent, &C::SetPrevSpaceIndent),
             Property<BoolCodec, C>("RowSelect", &C::RowSelect, &C::SetRowSelect),
             Property<DragModeCodec, C>("SelDragMode", &C::SelDragMode, &C::SetSelDragMode),
             Property<BoolCodec, C>("SelMove", &C::SelMove, &C::SetSelMove),
             Property<BoolCodec, C>("SoftTab", &C::SoftTab, &C::SetSoftTab),
             Property<CaretStyleCodec, C>("Style", &C::Style, &C::SetStyle),
             Property<BoolCodec, C>("TabIndent", &C::TabIndent, &C::SetTabIndent),
             Property<IntCodec, C>("TabSpaceCount", &C::TabSpaceCount, &C::SetTabSpaceCount),
         })
        fields.push_back(std::move(field));
    return fields;
}

// The font is stored by its height; its size follows from it. A size or a
// pitch in the stream is taken too, though never written: the size sets the
// height, and the pitch means nothing to an editor that gives every
// character its own cell.
Fields<TEditorFont> FontFields() {
    using F = TEditorFont;
    return {
        Property<CharsetCodec, F>("Charset", &F::charset,
                                  [](F& f, std::string value) { f.charset = std::move(value); }),
        Property<ColorCodec, F>("Color", &F::color, [](F& f, TColor value) { f.color = value; }),
        Property<IntCodec, F>("Height", &F::height,
                              [](F& f, int value) {
                                  f.height = value;
                                  f.size = FontSizeFromHeight(value);
                              }),
        Property<TextCodec, F>("Name", &F::name,
                               [](F& f, std::string value) { f.name = std::move(value); }),
        {"Pitch", [](const F&) { return std::optional<PropertyValue>(); },
         [](F&, const PropertyValue& value) {
             static constexpr std::array<std::string_view, 3> kPitchNames = {
                 "fpDefault", "fpVariable", "fpFixed"};
             return value.type == PropertyValueType::Ident &&
                    std::any_of(kPitchNames.begin(), kPitchNames.end(),
                                [&value](std::string_view name) {
                                    return EqualsIgnoringAsciiCase(name, value.bytes);
                                });
         }},
        {"Size", [](const F&) { return std::optional<PropertyValue>(); },
         [](F& f, const PropertyValue& value) {
             if (!IsInteger(value))
                 return false;
             f.size = value.integer;
             f.height = FontHeightFromSize(value.integer);
             return true;
         }},
        Property<FontStylesCodec, F>("Style", &F::style,
                                     [](F& f, TFontStyles value) { f.style = value; }),
    };
}

Fields<TEditorMargin> MarginFields() {
    using M = TEditorMargin;
    return {
        Property<IntCodec, M>("Character", &M::Character, &M::SetCharacter),
        Property<IntCodec, M>("Left", &M::Left, &M::SetLeft),
        Property<IntCodec, M>("Line", &M::Line, &M::SetLine),
        Property<IntCodec, M>("Top", &M::Top, &M::SetTop),
    };
}

Fields<TEditorMark> MarkFields() {
    using M = TEditorMark;
    return {
        Property<ColorCodec, M>("Color", &M::Color, &M::SetColor),
        Property<BoolCodec, M>("Visible", &M::Visible, &M::SetVisible),
    };
}

Fields<TEditorColor> ColorFields() {
    using C = TEditorColor;
    return {
        Property<ColorCodec, C>("BkColor", &C::BkColor, &C::SetBkColor),
        Property<ColorCodec, C>("Color", &C::Color, &C::SetColor),
        Property<FontStylesCodec, C>("Style", &C::Style, &C::SetStyle),
    };
}

Fields<TEditorBracketItem> BracketItemFields() {
    using B = TEditorBracketItem;
    Fields<B> fields;
    AppendNested(
        fields, "ItemColor", [](auto& item) -> auto& { return item.ItemColor(); }, ColorFields());
    fields.push_back(Property<TextCodec, B>("LeftBracket", &B::LeftBracket, &B::SetLeftBracket));
    fields.push_back(Property<TextCodec, B>("RightBracket", &B::RightBracket, &B::SetRightBracket));
    return fields;
}

// The enclosing pairs as a collection, always written (possibly empty). A
// collection in the stream replaces the pairs; more pairs than the scanner
// can tell apart make the stream damaged.
Field<TEditorViewInfo> BracketsField() {
    return {"Brackets",
            [](const TEditorViewInfo& view) -> std::optional<PropertyValue> {
                std::vector<std::vector<PropertyRecord>> items;
                for (int i = 0; i < view.Brackets().Count(); ++i)
                    items.push_back(SaveFields(view.Brackets().Items(i), BracketItemFields()));
                return CollectionValue(std::move(items));
            },
            [](TEditorViewInfo& view, const PropertyValue& value) {
                if (value.type != PropertyValueType::Collection ||
                    value.items.size() > static_cast<std::size_t>(kMaxBrackets))
                    return false;
                const Fields<TEditorBracketItem> itemFields = BracketItemFields();
                TEditorBracketCollection& brackets = view.Brackets();
                brackets.BeginUpdate();
                brackets.Clear();
                bool ok = true;
                for (const std::vector<PropertyRecord>& records : value.items) {
                    ok = LoadFields(brackets.Add(), itemFields, records);
                    if (!ok)
                        break;
                }
                brackets.EndUpdate();
                return ok;
            }};
}

constexpr std::array<std::string_view, TEditorColors::kCount> kTokenColorNames = {
    "Ank", "Comment", "DBCS", "Int", "Mail", "Reserve", "Select", "Str", "Symbol", "Url"};

Fields<TEditorViewInfo> ViewFields() {
    using V = TEditorViewInfo;
    Fields<V> fields = {BracketsField()};
    const Fields<TEditorColor> colorFields = ColorFields();
    for (int i = 0; i < TEditorColors::kCount; ++i) {
        AppendNested(
            fields, "Colors." + std::string(kTokenColorNames[i]),
            [i](auto& view) -> auto& { return view.Colors().ColorAt(i); }, colorFields);
    }
    for (Field<V>& field : Fields<V>{
             Property<TextCodec, V>("Commenter", &V::Commenter, &V::SetCommenter),
             Property<BoolCodec, V>("ControlCode", &V::ControlCode, &V::SetControlCode),
             Property<TextCodec, V>("HexPrefix", &V::HexPrefix, &V::SetHexPrefix),
             Property<BoolCodec, V>("Mail", &V::Mail, &V::SetMail),
             Property<TextCodec, V>("Quotation", &V::Quotation, &V::SetQuotation),
             Property<BoolCodec, V>("Url", &V::Url, &V::SetUrl),
         })
        fields.push_back(std::move(field));
    return fields;
}

Fields<TEditorWrapOption> WrapOptionFields() {
    using W = TEditorWrapOption;
    return {
        Property<BoolCodec, W>("FollowRetMark", &W::FollowRetMark, &W::SetFollowRetMark),
        Property<BoolCodec, W>("FollowPunctuation", &W::FollowPunctuation,
                               &W::SetFollowPunctuation),
        Property<TextCodec, W>("FollowStr", &W::FollowStr, &W::SetFollowStr),
        Property<BoolCodec, W>("Leading", &W::Leading, &W::SetLeading),
        Property<TextCodec, W>("LeadStr", &W::LeadStr, &W::SetLeadStr),
        Property<TextCodec, W>("PunctuationStr", &W::PunctuationStr, &W::SetPunctuationStr),
        Property<BoolCodec, W>("WordBreak", &W::WordBreak, &W::SetWordBreak),
        Property<IntCodec, W>("WrapByte", &W::WrapByte, &W::SetWrapByte),
    };
}

// The reserved words as a list of texts, written only when there are any.
// A list in the stream replaces the words.
Field<TEditorProp> ReserveWordsField() {
    return {"ReserveWordList.Strings",
            [](const TEditorProp& prop) -> std::optional<PropertyValue> {
                const ReserveWordList& words = prop.ReserveWords();
                if (words.Count() == 0)
                    return std::nullopt;
                std::vector<PropertyValue> texts;
                for (int i = 0; i < words.Count(); ++i)
                    texts.push_back(TextValue(words.Item(i)));
                return ListValue(std::move(texts));
            },
            [](TEditorProp& prop, const PropertyValue& value) {
                if (value.type != PropertyValueType::List)
                    return false;
                ReserveWordList words;
                for (const PropertyValue& item : value.list) {
                    const std::optional<std::string> text = TextCodec::Decode(item);
                    if (!text)
                        return false;
                    words.Add(*text);
                }
                prop.SetReserveWords(words);
                return true;
            }};
}

// Every stored property of the set, in the order of the stream.
const Fields<TEditorProp>& PropFields() {
    static const Fields<TEditorProp> fields = [] {
        using P = TEditorProp;
        Fields<P> all = {Property<ColorCodec, P>("Color", &P::Color, &P::SetColor)};
        AppendNested(
            all, "Caret", [](auto& p) -> auto& { return p.Caret(); }, CaretFields());
        AppendNested(
            all, "Font", [](auto& p) -> auto& { return p.Font(); }, FontFields());
        AppendNested(
            all, "Margin", [](auto& p) -> auto& { return p.Margin(); }, MarginFields());
        const Fields<TEditorMark> markFields = MarkFields();
        AppendNested(
            all, "Marks.EofMark", [](auto& p) -> auto& { return p.Marks().EofMark(); }, markFields);
        AppendNested(
            all, "Marks.RetMark", [](auto& p) -> auto& { return p.Marks().RetMark(); }, markFields);
        AppendNested(
            all, "Marks.Underline", [](auto& p) -> auto& { return p.Marks().Underline(); },
            markFields);
        all.push_back(ReserveWordsField());
        all.push_back(
            Property<ScrollStyleCodec, P>("ScrollBars", &P::ScrollBars, &P::SetScrollBars));
        AppendNested(
            all, "View", [](auto& p) -> auto& { return p.View(); }, ViewFields());
        all.push_back(Property<BoolCodec, P>("WordWrap", &P::WordWrap, &P::SetWordWrap));
        AppendNested(
            all, "WrapOption", [](auto& p) -> auto& { return p.WrapOption(); }, WrapOptionFields());
        return all;
    }();
    return fields;
}

// Only the four published margins travel; the row-height pixel of the
// underline belongs to the editor, which keeps it in step with its marks.
void CopyMargin(const TEditorMargin& from, TEditorMargin& to) {
    to.BeginUpdate();
    to.SetCharacter(from.Character());
    to.SetLeft(from.Left());
    to.SetLine(from.Line());
    to.SetTop(from.Top());
    to.EndUpdate();
}

// Every user of the store opens it for what it does and closes it again; a
// caller that has it open already keeps it open.
class OpenForCall {
public:
    explicit OpenForCall(SettingsStore& store) : store_(store), opened_(!store.IsOpen()) {
        if (opened_)
            store_.Open();
    }
    ~OpenForCall() {
        if (opened_)
            store_.Close();
    }
    OpenForCall(const OpenForCall&) = delete;
    OpenForCall& operator=(const OpenForCall&) = delete;

private:
    SettingsStore& store_;
    bool opened_;
};

constexpr BinarySetting kEditorPropSetting{"EditorProp", "EditorProp"};

} // namespace

TEditorProp::TEditorProp(std::string name) : name_(std::move(name)) {
    font_.name = kFixedSys;
}

void TEditorProp::SetColor(TColor value) {
    if (value == color_)
        return;
    color_ = value;
    if (OnColorChange)
        OnColorChange(this);
}

void TEditorProp::SetMargin(const TEditorMargin& value) {
    CopyMargin(value, margin_);
}

void TEditorProp::SetScrollBars(TScrollStyle value) {
    if (value == scrollBars_)
        return;
    scrollBars_ = value;
    if (OnScrollBarsChange)
        OnScrollBarsChange(this);
}

void TEditorProp::SetWordWrap(bool value) {
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    if (OnWordWrapChange)
        OnWordWrapChange(this);
}

void TEditorProp::Assign(const TEditorProp& source) {
    if (&source == this)
        return;
    SetColor(source.color_);
    caret_.Assign(source.caret_);
    font_ = source.font_;
    CopyMargin(source.margin_, margin_);
    marks_.Assign(source.marks_);
    reserveWords_ = source.reserveWords_;
    SetScrollBars(source.scrollBars_);
    view_.Assign(source.view_);
    SetWordWrap(source.wordWrap_);
    wrapOption_.Assign(source.wrapOption_);
}

void TEditorProp::AssignFrom(const TCustomEditor& editor) {
    SetColor(editor.Color());
    caret_.Assign(editor.Caret());
    font_ = editor.Font();
    CopyMargin(editor.Margin(), margin_);
    marks_.Assign(editor.Marks());
    reserveWords_ = editor.ReserveWords();
    SetScrollBars(editor.ScrollBars());
    view_.Assign(editor.View());
    SetWordWrap(editor.WordWrap());
    wrapOption_.Assign(editor.WrapOption());
}

void TEditorProp::AssignTo(TCustomEditor& editor) const {
    // As when a form is loaded, folding and scanning wait until every
    // property is in place, so that the document is folded once. Ending the
    // load marks the document unmodified, which is right for a new editor
    // but would hide unsaved changes of an open document: its flag is kept.
    const bool modified = editor.Modified();
    editor.BeginLoading();
    editor.SetColor(color_);
    editor.Caret().Assign(caret_);
    editor.SetFont(font_);
    CopyMargin(margin_, editor.Margin());
    editor.Marks().Assign(marks_);
    editor.ReserveWords() = reserveWords_;
    editor.SetScrollBars(scrollBars_);
    editor.View().Assign(view_);
    editor.SetWordWrap(wordWrap_);
    editor.SetWrapOption(wrapOption_);
    editor.EndLoading();
    editor.SetModified(modified);
}

void TEditorProp::SetDesignValues() {
    SetColor(clWindow);

    caret_.BeginUpdate();
    caret_.SetAutoCursor(true);
    caret_.SetAutoIndent(false);
    caret_.SetFreeCaret(false);
    caret_.SetInTab(false);
    caret_.SetKeepCaret(true);
    caret_.SetLockScroll(true);
    caret_.SetNextLine(true);
    caret_.SetPrevSpaceIndent(false);
    caret_.SetRowSelect(true);
    caret_.SetSelDragMode(TDragMode::dmManual);
    caret_.SetSelMove(true);
    caret_.SetSoftTab(false);
    caret_.SetStyle(TEditorCaretStyle::csDefault);
    caret_.SetTabIndent(false);
    caret_.SetTabSpaceCount(8);
    TEditorCursors& cursors = caret_.Cursors();
    cursors.SetDefaultCursor(crIBeam);
    cursors.SetDragSelCursor(crDrag);
    cursors.SetDragSelCopyCursor(crDragSelCopy);
    cursors.SetInSelCursor(crDefault);
    cursors.SetLeftMarginCursor(crRightArrow);
    caret_.EndUpdate();

    font_.name = "\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e"; // ＭＳ ゴシック
    font_.charset = "SHIFTJIS_CHARSET";
    font_.size = 10;
    font_.height = FontHeightFromSize(font_.size);
    font_.color = clWindowText;
    font_.style = 0;

    margin_.BeginUpdate();
    margin_.SetCharacter(0);
    margin_.SetLeft(6);
    margin_.SetLine(0);
    margin_.SetTop(2);
    margin_.EndUpdate();

    marks_.BeginUpdate();
    for (TEditorMark* mark : {&marks_.EofMark(), &marks_.RetMark(), &marks_.Underline()}) {
        mark->SetVisible(true);
        mark->SetColor(clActiveCaption);
    }
    marks_.EndUpdate();

    reserveWords_.Clear();
    SetScrollBars(TScrollStyle::ssVertical);

    view_.BeginUpdate();
    view_.Brackets().Clear();
    for (int i = 0; i < TEditorColors::kCount; ++i) {
        TEditorColor& color = view_.Colors().ColorAt(i);
        const bool select = i == kSelectColorIndex;
        color.SetBkColor(select ? clHighlight : clWindow);
        color.SetColor(select ? clHighlightText : clWindowText);
        color.SetStyle(0);
    }
    view_.SetCommenter({});
    view_.SetControlCode(false);
    view_.SetHexPrefix({});
    view_.SetMail(true);
    view_.SetQuotation({});
    view_.SetUrl(true);
    view_.EndUpdate();

    SetWordWrap(true);
    ApplyWindowDefaults(wrapOption_);
}

std::string TEditorProp::SaveToStream() const {
    return WritePropertyStream(
        ComponentStream{std::string(kClassName), name_, SaveFields(*this, PropFields())});
}

bool TEditorProp::LoadFromStream(std::string_view bytes) {
    const std::optional<ComponentStream> stream = ReadPropertyStream(bytes);
    if (!stream || !EqualsIgnoringAsciiCase(stream->className, kClassName))
        return false;
    // Read into a copy first: a record the set cannot take must leave
    // nothing of the stream applied.
    TEditorProp loaded(name_);
    loaded.Assign(*this);
    if (!LoadFields(loaded, PropFields(), stream->properties))
        return false;
    Assign(loaded);
    return true;
}

void SaveEditorProp(SettingsStore& store, const TEditorProp& prop) {
    const std::string bytes = prop.SaveToStream();
    const OpenForCall open(store);
    WriteSetting(store, kEditorPropSetting, bytes);
}

bool LoadEditorProp(SettingsStore& store, TEditorProp& prop) {
    const OpenForCall open(store);
    const std::optional<std::string> bytes = ReadSetting(store, kEditorPropSetting);
    return bytes && !bytes->empty() && prop.LoadFromStream(*bytes);
}

} // namespace mojiro
