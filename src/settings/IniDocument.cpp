#include "settings/IniDocument.h"

#include "settings/AsciiCase.h"

namespace mojiro {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

IniDocument IniDocument::Parse(std::string_view bytes) {
    IniDocument document;
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
        document.byteOrderMark_ = true;
    }
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view text = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        // A CR is part of the line end even on an unended last line, so that
        // the line means the same once a line feed has to follow it.
        const bool cr = text.ends_with('\r');
        text.remove_suffix(cr ? 1 : 0);
        Line line;
        line.ending = std::string(cr ? "\r" : "") + (end == std::string_view::npos ? "" : "\n");
        line.text = text;
        const std::string_view trimmed = Trim(text);
        const std::size_t equals = trimmed.find('=');
        if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') {
            line.kind = LineKind::Other;
        } else if (trimmed.front() == '[' && trimmed.back() == ']' && trimmed.size() >= 2) {
            line.kind = LineKind::Header;
            line.name = Trim(trimmed.substr(1, trimmed.size() - 2));
        } else if (equals != std::string_view::npos && !Trim(trimmed.substr(0, equals)).empty()) {
            line.kind = LineKind::Value;
            line.name = Trim(trimmed.substr(0, equals));
            line.value = Trim(trimmed.substr(equals + 1));
        }
        document.lines_.push_back(std::move(line));
    }
    return document;
}

std::string IniDocument::Serialize() const {
    std::string out(byteOrderMark_ ? kByteOrderMark : std::string_view());
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        out += lines_[i].text;
        out += lines_[i].ending;
        // A line that was last without a line feed needs one when lines follow.
        if (!lines_[i].ending.ends_with('\n') && i + 1 < lines_.size()) {
            out += '\n';
        }
    }
    return out;
}

bool IniDocument::HasSection(std::string_view section) const {
    for (const Line& line : lines_) {
        if (line.kind == LineKind::Header && EqualsIgnoringAsciiCase(line.name, section)) {
            return true;
        }
    }
    return false;
}

std::size_t IniDocument::FindLine(std::string_view section, std::string_view name) const {
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == LineKind::Header) {
            inSection = EqualsIgnoringAsciiCase(line.name, section);
        } else if (inSection && line.kind == LineKind::Value &&
                   EqualsIgnoringAsciiCase(line.name, name)) {
            return i;
        }
    }
    return std::string::npos;
}

std::optional<std::string_view> IniDocument::Find(std::string_view section,
                                                  std::string_view name) const {
    const std::size_t i = FindLine(section, name);
    if (i == std::string::npos) {
        return std::nullopt;
    }
    return lines_[i].value;
}

IniDocument::Line IniDocument::MakeValueLine(std::string_view name, std::string_view stored) {
    Line line;
    line.kind = LineKind::Value;
    line.name = name;
    line.value = stored;
    line.text = line.name + "=" + line.value;
    line.ending = "\n";
    return line;
}

bool IniDocument::Set(std::string_view section, std::string_view name, std::string_view stored) {
    if (const std::size_t i = FindLine(section, name); i != std::string::npos) {
        if (lines_[i].value == stored) {
            return false;
        }
        Line line = MakeValueLine(lines_[i].name, stored);
        line.ending = lines_[i].ending;
        lines_[i] = std::move(line);
        return true;
    }
    for (std::size_t header = 0; header < lines_.size(); ++header) {
        if (lines_[header].kind != LineKind::Header ||
            !EqualsIgnoringAsciiCase(lines_[header].name, section)) {
            continue;
        }
        // After the last line that belongs to the section, so the blank lines
        // that part it from the next one stay where they are.
        std::size_t at = header + 1;
        for (std::size_t i = header + 1; i < lines_.size(); ++i) {
            if (lines_[i].kind == LineKind::Header) {
                break;
            }
            if (!Trim(lines_[i].text).empty()) {
                at = i + 1;
            }
        }
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                      MakeValueLine(name, stored));
        return true;
    }
    if (!lines_.empty() && !Trim(lines_.back().text).empty()) {
        Line blank;
        blank.ending = "\n";
        lines_.push_back(std::move(blank));
    }
    Line header;
    header.kind = LineKind::Header;
    header.name = section;
    header.text = "[" + header.name + "]";
    header.ending = "\n";
    lines_.push_back(std::move(header));
    lines_.push_back(MakeValueLine(name, stored));
    return true;
}

bool IniDocument::Remove(std::string_view section, std::string_view name) {
    bool removed = false;
    for (std::size_t i = FindLine(section, name); i != std::string::npos;
         i = FindLine(section, name)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
        removed = true;
    }
    return removed;
}

} // namespace mojiro
