#include "FoldToolOptions.h"

#include "editor/EditorCaret.h"
#include "editor/WrapOption.h"
#include "platform/Cp932Codec.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <functional>

namespace mojiro {

FoldWrapValues WrapValuesOf(const TEditorWrapOption& source) {
    return {source.FollowRetMark(), source.FollowPunctuation(), source.FollowStr(),
            source.Leading(),       source.LeadStr(),           source.PunctuationStr(),
            source.WordBreak(),     source.WrapByte()};
}

void ApplyWrapValues(const FoldWrapValues& values, TEditorWrapOption& target) {
    target.BeginUpdate();
    target.SetFollowRetMark(values.followRetMark);
    target.SetFollowPunctuation(values.followPunctuation);

    target.SetFollowStr(values.followStr);
    target.SetLeading(values.leading);
    target.SetLeadStr(values.leadStr);
    target.SetPunctuationStr(values.punctuationStr);
    target.SetWordBreak(values.wordBreak);
    target.SetWrapByte(values.wrapByte);
    target.EndUpdate();
}

namespace {

// What the options have set so far. The wrap values live in a real
// TEditorWrapOption so that its clamping and the window defaults apply
// exactly as in the editor.
struct ParseState {
    TEditorWrapOption wrap;
    FoldToolOptions options;
};

// Each taker stores a value and returns an empty text, or says what is wrong
// with the value.
using Taker = std::string (*)(ParseState& state, std::string_view value);

struct KnownOption {
    std::string_view name;
    bool takesValue;
    Taker take;
};

int SaturateToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// A whole decimal number, possibly negative, with nothing around it. A number
// too large for any width is taken as the largest one, so that it clamps like
// any other large number.
std::string TakeNumber(std::string_view text, const std::function<void(long long)>& store) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || stop != end || error == std::errc::invalid_argument)
        return "'" + std::string(text) + "' is not a whole number";
    if (error == std::errc::result_out_of_range)
        value = text.front() == '-' ? LLONG_MIN : LLONG_MAX;
    store(value);
    return {};
}

std::string TakeSwitch(std::string_view text, const std::function<void(bool)>& store) {
    if (text != "on" && text != "off")
        return "expected on or off, not '" + std::string(text) + "'";
    store(text == "on");
    return {};
}

// The sets are typed as UTF-8 on the command line; the editor compares CP932
// bytes. A character CP932 cannot hold is refused rather than turned into 〓,
// which would quietly put 〓 into the set.
std::string TakeCharacters(std::string_view text, const std::function<void(std::string)>& store) {
    FromUnicodeResult converted = Utf8ToCp932(text);
    if (converted.replaced > 0)
        return std::to_string(converted.replaced) +
               " character(s) cannot be written in CP932 (or are not valid UTF-8)";
    store(std::move(converted.bytes));
    return {};
}

const KnownOption kOptions[] = {
    {"--window-defaults", false,
     [](ParseState& s, std::string_view) {
         ApplyWindowDefaults(s.wrap);
         return std::string();
     }},
    {"--wrap-byte", true,
     [](ParseState& s, std::string_view v) {
         return TakeNumber(v, [&](long long n) { s.wrap.SetWrapByte(SaturateToInt(n)); });
     }},
    {"--line-length", true,
     [](ParseState& s, std::string_view v) {
         return TakeNumber(v, [&](long long n) {
             s.wrap.SetWrapByte(SaturateToInt(2 * std::clamp<long long>(n, INT_MIN, INT_MAX)));
         });
     }},
    {"--leading", true,
     [](ParseState& s, std::string_view v) {
         return TakeSwitch(v, [&](bool on) { s.wrap.SetLeading(on); });
     }},
    {"--punctuation", true,
     [](ParseState& s, std::string_view v) {
         return TakeSwitch(v, [&](bool on) { s.wrap.SetFollowPunctuation(on); });
     }},
    {"--word-break", true,
     [](ParseState& s, std::string_view v) {
         return TakeSwitch(v, [&](bool on) { s.wrap.SetWordBreak(on); });
     }},
    {"--follow-ret-mark", true,
     [](ParseState& s, std::string_view v) {
         return TakeSwitch(v, [&](bool on) { s.wrap.SetFollowRetMark(on); });
     }},
    {"--follow-str", true,
     [](ParseState& s, std::string_view v) {
         return TakeCharacters(v, [&](std::string set) { s.wrap.SetFollowStr(std::move(set)); });
     }},
    {"--lead-str", true,
     [](ParseState& s, std::string_view v) {
         return TakeCharacters(v, [&](std::string set) { s.wrap.SetLeadStr(std::move(set)); });
     }},
    {"--punctuation-str", true,
     [](ParseState& s, std::string_view v) {
         return TakeCharacters(v,
                               [&](std::string set) { s.wrap.SetPunctuationStr(std::move(set)); });
     }},
    {"--tab", true,
     [](ParseState& s, std::string_view v) {
         return TakeNumber(v, [&](long long n) {
             // The caret options own the rule for tab widths.
             TEditorCaret caret;
             caret.SetTabSpaceCount(SaturateToInt(n));
             s.options.tabWidth = caret.TabSpaceCount();
         });
     }},
    {"--format", true,
     [](ParseState& s, std::string_view v) {
         if (v == "rows")
             s.options.output = FoldOutput::Rows;
         else if (v == "kinds")
             s.options.output = FoldOutput::Kinds;
         else
             return "expected rows or kinds, not '" + std::string(v) + "'";
         return std::string();
     }},
    {"--count", false,
     [](ParseState& s, std::string_view) {
         s.options.output = FoldOutput::Count;
         return std::string();
     }},
    {"--help", false,
     [](ParseState& s, std::string_view) {
         s.options.help = true;
         return std::string();
     }},
    {"-h", false,
     [](ParseState& s, std::string_view) {
         s.options.help = true;
         return std::string();
     }},
};

const KnownOption* FindOption(std::string_view name) {
    for (const KnownOption& known : kOptions)
        if (known.name == name)
            return &known;
    return nullptr;
}

FoldToolParseResult Refuse(std::string error) {
    return {std::nullopt, std::move(error)};
}

} // namespace

FoldToolParseResult ParseFoldToolOptions(const std::vector<std::string>& args) {
    ParseState state;
    bool haveFile = false;
    bool filesOnly = false; // after "--", so that a file may be named "-x"
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!filesOnly && arg == "--") {
            filesOnly = true;
            continue;
        }
        if (filesOnly || arg == "-" || !arg.starts_with('-')) {
            if (haveFile)
                return Refuse("more than one file given ('" + state.options.file + "' and '" +
                              std::string(arg) + "')");
            state.options.file = arg;
            haveFile = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name(arg.substr(0, equals));
        const KnownOption* known = FindOption(name);
        if (known == nullptr)
            return Refuse("unknown option '" + name + "' (see --help)");
        std::string_view value;
        if (equals != std::string_view::npos) {
            if (!known->takesValue)
                return Refuse(name + " takes no value");
            value = arg.substr(equals + 1);
        } else if (known->takesValue) {
            if (i + 1 == args.size())
                return Refuse(name + " needs a value");
            value = args[++i];
        }
        if (std::string error = known->take(state, value); !error.empty())
            return Refuse(name + ": " + error);
        if (state.options.help)
            return {std::move(state.options), {}};
    }
    if (!haveFile)
        return Refuse("no file given (use - for standard input; see --help)");
    state.options.wrap = WrapValuesOf(state.wrap);
    return {std::move(state.options), {}};
}

std::string_view FoldToolUsage() {
    return R"(usage: mojiro-fold [OPTION]... FILE
Folds a CP932 text file into rows as the editor shows them with word wrap on,
and writes the rows. FILE - reads standard input.

Folding rules (without --window-defaults the editor's construction defaults:
80 columns, Leading, Punctuation, WordBreak and FollowRetMark off):
  --window-defaults         the main window's rules for a new user: 40
                            characters a line, Leading, WordBreak and
                            FollowRetMark on, the newspaper's kinsoku sets.
                            Options are applied in the order given: options
                            after it override it, options before it are
                            overridden by it. The tab width is not changed.
  --line-length N           N full-width characters a row (WrapByte 2N)
  --wrap-byte N             N columns a row, clamped to 20..250
  --leading on|off          keep opening brackets off the end of a row and
                            closing characters off the start of one
  --punctuation on|off      let the characters of --punctuation-str hang past
                            the right edge
  --word-break on|off       keep runs of half-width word characters whole
  --follow-ret-mark on|off  keep the line break on a row the line fills
                            exactly instead of giving it an empty row
  --follow-str S            characters that must not begin a row
  --lead-str S              characters that must not end a row
  --punctuation-str S       characters that may hang past the edge
                            (S is UTF-8; every character must exist in CP932)
  --tab N                   tab width, clamped to 2..8 and made even (default 8)

Output (the bytes of the rows as they are, never converted):
  --format rows             each row followed by LF (the default)
  --format kinds            each row as its row-end kind (0 line end,
                            1 wrapped, 2 last row without a line break),
                            a TAB, the row's bytes and LF
  --count                   only the number of rows
  --help                    this text

An option's value may follow as the next argument or after '='. "--" ends the
options. Exit status: 0 done, 1 the output could not be written, 2 bad
arguments or a file that cannot be read.
)";
}

} // namespace mojiro
