#include "settings/ValueText.h"

#include "platform/CodePage.h"
#include "platform/Cp932Codec.h"

#include <charconv>
#include <cstdint>

namespace mojiro {

namespace {

constexpr std::string_view kBinaryPrefix = "hex:";
constexpr char kHexDigits[] = "0123456789abcdef";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsControl(unsigned char b) {
    return b < 0x20 || b == 0x7F;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

void AppendHexByte(std::string& out, unsigned char b) {
    out += kHexDigits[b >> 4];
    out += kHexDigits[b & 0x0F];
}

bool RoundTrips(std::string_view cp932) {
    return Utf8ToCp932(Cp932ToUtf8(cp932)).bytes == cp932;
}

bool CanStayPlain(std::string_view cp932) {
    if (cp932.empty()) {
        return true;
    }
    if (IsBlank(cp932.front()) || IsBlank(cp932.back()) || cp932.front() == '"' ||
        cp932.starts_with(kBinaryPrefix)) {
        return false;
    }
    for (const char c : cp932) {
        if (IsControl(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return RoundTrips(cp932);
}

// Strict UTF-8: no overlong forms, surrogates or code points past U+10FFFF,
// so that a damaged line is recognised instead of read as something else.
bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t cp = 0;
        char32_t least = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            length = 2, cp = b & 0x1F, least = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3, cp = b & 0x0F, least = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4, cp = b & 0x07, least = 0x10000;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (c & 0x3F);
        }
        if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

std::optional<std::string> Utf8RunToCp932(std::string_view utf8) {
    if (!IsValidUtf8(utf8)) {
        return std::nullopt;
    }
    return Utf8ToCp932(utf8).bytes;
}

std::string Quote(std::string_view cp932) {
    std::string out = "\"";
    for (std::size_t i = 0; i < cp932.size();) {
        const auto b = static_cast<unsigned char>(cp932[i]);
        if (IsLeadByte(b)) {
            // A double-byte character goes as UTF-8 only when it comes back as
            // the same code; a stray or duplicate code goes byte by byte.
            const std::string_view ch = cp932.substr(i, 2);
            if (ch.size() == 2 && IsValidCp932Char(b, static_cast<unsigned char>(ch[1])) &&
                RoundTrips(ch)) {
                out += Cp932ToUtf8(ch);
                i += 2;
            } else {
                out += "\\x";
                AppendHexByte(out, b);
                ++i;
            }
            continue;
        }
        switch (b) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (IsControl(b) || !RoundTrips(cp932.substr(i, 1))) {
                out += "\\x";
                AppendHexByte(out, b);
            } else {
                out += Cp932ToUtf8(cp932.substr(i, 1));
            }
        }
        ++i;
    }
    out += '"';
    return out;
}

std::optional<std::string> Unquote(std::string_view stored) {
    if (stored.size() < 2 || stored.back() != '"') {
        return std::nullopt;
    }
    const std::string_view body = stored.substr(1, stored.size() - 2);
    std::string out;
    std::size_t runStart = 0;
    auto flushRun = [&](std::size_t end) {
        const auto run = Utf8RunToCp932(body.substr(runStart, end - runStart));
        if (run) {
            out += *run;
        }
        return run.has_value();
    };
    for (std::size_t i = 0; i < body.size();) {
        if (body[i] == '"') {
            return std::nullopt; // an unescaped quotation mark: the line was cut or mangled
        }
        if (body[i] != '\\') {
            ++i;
            continue;
        }
        if (!flushRun(i) || i + 1 >= body.size()) {
            return std::nullopt;
        }
        const char escape = body[i + 1];
        std::size_t length = 2;
        switch (escape) {
        case '\\':
        case '"':
            out += escape;
            break;
        case 'r':
            out += '\r';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'x': {
            const int high = i + 2 < body.size() ? HexValue(body[i + 2]) : -1;
            const int low = i + 3 < body.size() ? HexValue(body[i + 3]) : -1;
            if (high < 0 || low < 0) {
                return std::nullopt;
            }
            out += static_cast<char>(high * 16 + low);
            length = 4;
            break;
        }
        default:
            return std::nullopt;
        }
        i += length;
        runStart = i;
    }
    if (!flushRun(body.size())) {
        return std::nullopt;
    }
    return out;
}

} // namespace

std::string EncodeText(std::string_view cp932) {
    return CanStayPlain(cp932) ? Cp932ToUtf8(cp932) : Quote(cp932);
}

std::optional<std::string> DecodeText(std::string_view stored) {
    if (IsBinaryForm(stored)) {
        return std::nullopt;
    }
    if (!stored.empty() && stored.front() == '"') {
        return Unquote(stored);
    }
    return Utf8RunToCp932(stored);
}

std::string EncodeBinary(std::string_view bytes) {
    std::string out(kBinaryPrefix);
    out.reserve(kBinaryPrefix.size() + bytes.size() * 2);
    for (const char c : bytes) {
        AppendHexByte(out, static_cast<unsigned char>(c));
    }
    return out;
}

bool IsBinaryForm(std::string_view stored) {
    return stored.starts_with(kBinaryPrefix);
}

std::optional<std::string> DecodeBinary(std::string_view stored) {
    if (!IsBinaryForm(stored)) {
        return std::nullopt;
    }
    const std::string_view digits = stored.substr(kBinaryPrefix.size());
    if (digits.size() % 2 != 0) {
        return std::nullopt;
    }
    std::string out;
    out.reserve(digits.size() / 2);
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const int high = HexValue(digits[i]);
        const int low = HexValue(digits[i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        out += static_cast<char>(high * 16 + low);
    }
    return out;
}

std::optional<int> TextToInteger(std::string_view text) {
    std::string rewritten;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        rewritten = "$" + std::string(text.substr(2));
        text = rewritten;
    }
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    // from_chars would take a sign of its own; one sign is all a number may have.
    if (text.empty() || text[0] == '-' || text[0] == '+') {
        return std::nullopt;
    }
    const bool hex = text[0] == '$';
    if (hex) {
        text.remove_prefix(1);
        if (text.empty() || text[0] == '-' || text[0] == '+') {
            return std::nullopt;
        }
    }
    std::int64_t magnitude = 0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), magnitude, hex ? 16 : 10);
    if (ec != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    const std::int64_t limit = hex ? 0xFFFFFFFFLL : (negative ? 0x80000000LL : 0x7FFFFFFFLL);
    if (magnitude > limit) {
        return std::nullopt;
    }
    // A hexadecimal number fills all 32 bits, so "$80000002" is the value with
    // the top bit set, as a system colour needs.
    auto value = static_cast<std::int64_t>(
        hex ? static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude)) : magnitude);
    return static_cast<int>(negative ? -value : value);
}

} // namespace mojiro
