#include "editor/ColumnClasses.h"

#include "platform/CodePage.h"

#include <algorithm>

namespace mojiro {

namespace {

Delimiters MakeDefaultDelimiters() {
    Delimiters d;
    const auto addRange = [&d](int from, int to) {
        for (int b = from; b <= to; ++b) {
            d[b] = true;
        }
    };
    addRange(0x00, 0x2F);
    addRange(0x3A, 0x40);
    addRange(0x5B, 0x5E);
    addRange(0x60, 0x60);
    addRange(0x7B, 0x80);
    addRange(0xA0, 0xA5);
    addRange(0xFD, 0xFF);
    return d;
}

// Both widths are clamped by their owners; the guard only keeps a rule built
// by hand with zero from dividing by it.
inline long long Positive(int value) {
    return std::max(value, 1);
}

} // namespace

const Delimiters& DefaultDelimiters() {
    static const Delimiters delimiters = MakeDefaultDelimiters();
    return delimiters;
}

int TabRule::FillWidth(long long column) const {
    const long long t = Positive(tabWidth);
    long long w = t - column % t;
    if (folding) {
        const long long W = Positive(wrapByte);
        w = std::min(w, W - column % W);
    }
    return static_cast<int>(w);
}

void ColumnClassesInto(std::string& out, std::string_view text, const TabRule& rule,
                       const Delimiters& delims) {
    out.clear();
    out.reserve(text.size() + 1);
    const std::size_t n = text.size();
    long long column = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(b)) {
            out.push_back(kClassLead);
            out.push_back(kClassTrail);
            column += 2;
            ++i; // the trail byte, whatever its value (the loop stops if absent)
        } else if (b == '\t') {
            const int w = rule.FillWidth(column);
            out.push_back(kClassDelimiter);
            out.append(static_cast<std::size_t>(w - 1), kClassTabFill);
            column += w;
        } else {
            out.push_back(delims[b] ? kClassDelimiter : kClassWord);
            ++column;
        }
    }
}

std::string ColumnClasses(std::string_view text, const TabRule& rule, const Delimiters& delims) {
    std::string out;
    ColumnClassesInto(out, text, rule, delims);
    return out;
}

std::string ExpandTabs(std::string_view text, const TabRule& rule) {
    if (text.find('\t') == std::string_view::npos) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size() + 8);
    const std::size_t n = text.size();
    long long column = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const char b = text[i];
        if (IsLeadByte(b)) {
            out.push_back(b);
            if (i + 1 < n) {
                out.push_back(text[++i]);
            }
            column += 2;
        } else if (b == '\t') {
            const int w = rule.FillWidth(column);
            out.append(static_cast<std::size_t>(w), ' ');
            column += w;
        } else {
            out.push_back(b);
            ++column;
        }
    }
    return out;
}

long long DisplayWidth(std::string_view text, const TabRule& rule) {
    const std::size_t n = text.size();
    long long column = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(b)) {
            column += 2;
            ++i;
        } else if (b == '\t') {
            column += rule.FillWidth(column);
        } else {
            ++column;
        }
    }
    return column;
}

} // namespace mojiro
