// The settings file as a list of lines: "[Section]" headers and "Name=value"
// lines. A change rewrites only the line of the value it names and keeps every
// other line as it was, comments and lines that make no sense included, so
// neither a hand edit nor a damaged line is lost to an unrelated write.
//
// Section and value names are compared without regard to ASCII letter case.
// Names and values are read with the spaces and tabs around them removed; a
// section that appears twice is one section, and of two equal value names in
// it the first is the value.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mojiro {

class IniDocument {
public:
    // Any bytes make a document; lines that are neither a header nor a value
    // are kept and ignored.
    [[nodiscard]] static IniDocument Parse(std::string_view bytes);

    // The lines with the line ends they came with (a byte-order mark, CR LF
    // and a missing last line end included), new lines with a line feed.
    [[nodiscard]] std::string Serialize() const;

    [[nodiscard]] bool HasSection(std::string_view section) const;

    // The stored form of a value, or nothing when it is absent.
    [[nodiscard]] std::optional<std::string_view> Find(std::string_view section,
                                                       std::string_view name) const;

    // Sets a value, creating its section at the end of the document when it
    // is missing. An existing line keeps the spelling of its name. Returns
    // whether the document changed.
    bool Set(std::string_view section, std::string_view name, std::string_view stored);

    // Removes every line of the value. Returns whether there was one.
    bool Remove(std::string_view section, std::string_view name);

private:
    enum class LineKind { Header, Value, Other };
    struct Line {
        LineKind kind = LineKind::Other;
        std::string text;   // the whole line as it is written, without its end
        std::string ending; // "\n" or "\r\n"; "" or "\r" on an unended last line
        std::string name;   // section name of a header, value name of a value
        std::string value;  // stored form of a value
    };

    static Line MakeValueLine(std::string_view name, std::string_view stored);
    // Index of the first line of the value, or npos.
    [[nodiscard]] std::size_t FindLine(std::string_view section, std::string_view name) const;

    bool byteOrderMark_ = false;
    std::vector<Line> lines_;
};

} // namespace mojiro
