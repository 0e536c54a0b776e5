// The command line of mojiro-fold, read into plain values so that what the
// tool does with its arguments can be checked without running it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mojiro {

class TEditorWrapOption;

// The eight values of a TEditorWrapOption, which itself cannot be copied.
struct FoldWrapValues {
    bool followRetMark = false;
    bool followPunctuation = false;
    std::string followStr;
    bool leading = false;
    std::string leadStr;
    std::string punctuationStr;
    bool wordBreak = false;
    int wrapByte = 80;

    bool operator==(const FoldWrapValues&) const = default;
};

[[nodiscard]] FoldWrapValues WrapValuesOf(const TEditorWrapOption& source);
// Stores the values in target, reported as one change so that a row list
// holding text refolds once.
void ApplyWrapValues(const FoldWrapValues& values, TEditorWrapOption& target);

enum class FoldOutput {
    Rows,  // each row's bytes and LF
    Kinds, // row-end kind digit, TAB, the row's bytes, LF
    Count, // the number of rows
};

struct FoldToolOptions {
    FoldWrapValues wrap;
    int tabWidth = 8;
    FoldOutput output = FoldOutput::Rows;
    std::string file; // "-" is standard input
    bool help = false;
};

struct FoldToolParseResult {
    std::optional<FoldToolOptions> options; // empty when the arguments are refused
    std::string error;                      // why, in one line, without the program name
};

// Reads the arguments after the program name. Options take effect in the
// order given, so options after --window-defaults override it and options
// before it are overridden by it; when an output format is given twice the
// last one counts. --help stops the reading and needs no file.
[[nodiscard]] FoldToolParseResult ParseFoldToolOptions(const std::vector<std::string>& args);

[[nodiscard]] std::string_view FoldToolUsage();

} // namespace mojiro
