#include "platform/Cp932Codec.h"

#include "platform/CodePage.h"

#include <climits>
#include <cstdio>
#include <iconv.h>

namespace mojiro {

namespace {

// Both directions are table look-ups. The tables are read once from glibc's
// CP932 converter, so no conversion pays for an iconv handle and every
// conversion is linear in its input.

constexpr char32_t kInvalid = 0xFFFFFFFF;

// Unicode has two forms of these JIS characters: the one JIS maps to (found in
// text from EUC-JP pages and other systems) and the one CP932 decodes to.
struct UnicodeVariant {
    char32_t other;
    char32_t cp932Form;
};
constexpr UnicodeVariant kJisVariants[] = {
    {0x00A2, 0xFFE0}, // ¢ -> ￠
    {0x00A3, 0xFFE1}, // £ -> ￡
    {0x00AC, 0xFFE2}, // ¬ -> ￢
    {0x2014, 0x2015}, // — -> ―
    {0x2016, 0x2225}, // ‖ -> ∥
    {0x2212, 0xFF0D}, // − -> －
    {0x301C, 0xFF5E}, // 〜 -> ～
};

constexpr bool IsTrailByte(unsigned char b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

constexpr bool IsHalfWidthKatakana(unsigned char b) {
    return b >= 0xA1 && b <= 0xDF;
}
constexpr char32_t kHalfWidthKatakanaBase = 0xFF61; // 0xA1 ｡

// When CP932 holds a character more than once, the code with the lowest rank
// is the one Unicode converts to.
constexpr int DuplicateRank(unsigned lead) {
    if (lead == 0x87) {
        return 1; // NEC row 13
    }
    if (lead >= 0xFA && lead <= 0xFC) {
        return 2; // IBM extensions
    }
    if (lead == 0xED || lead == 0xEE) {
        return 3; // NEC's copies of the IBM extensions
    }
    return 0; // JIS X 0208 and the user-defined area
}
constexpr int kLowestRank = 3;

class Cp932Tables {
public:
    Cp932Tables() : decode_(0x80 * 0x100, 0), encode_(0x10000, 0) {
        ReadDoubleBytes();
        FillEncode();
    }

    // The character of a double-byte code, or 0 when the pair is none.
    [[nodiscard]] char16_t Decode(unsigned char lead, unsigned char trail) const {
        return lead < 0x80 ? 0 : decode_[Index(lead, trail)];
    }

    // The CP932 code of a character above U+007F: a single byte (<= 0xFF), a
    // double-byte code, or 0 when CP932 cannot hold it.
    [[nodiscard]] std::uint16_t Encode(char32_t cp) const {
        return cp < encode_.size() ? encode_[cp] : 0;
    }

private:
    static std::size_t Index(unsigned lead, unsigned trail) {
        return (lead - 0x80) * 0x100 + trail;
    }

    void ReadDoubleBytes() {
        const iconv_t cd = iconv_open("UTF-32LE", "CP932");
        if (cd == reinterpret_cast<iconv_t>(-1)) {
            // Without the converter only ASCII and half-width katakana
            // convert; the rest shows as placeholders and counts as replaced.
            std::fputs("mojiro: glibc has no CP932 converter; Japanese text cannot be shown\n",
                       stderr);
            return;
        }
        for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
            if (!IsLeadByte(static_cast<unsigned char>(lead))) {
                continue;
            }
            for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
                if (IsTrailByte(static_cast<unsigned char>(trail))) {
                    decode_[Index(lead, trail)] = DecodeWithIconv(cd, lead, trail);
                }
            }
        }
        iconv_close(cd);
    }

    static char16_t DecodeWithIconv(iconv_t cd, unsigned lead, unsigned trail) {
        char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        unsigned char out[8];
        char* inPtr = in;
        char* outPtr = reinterpret_cast<char*>(out);
        std::size_t inLeft = sizeof in;
        std::size_t outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr); // clear the state an error leaves
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
            inLeft != 0 || outLeft != sizeof out - 4) {
            return 0;
        }
        const char32_t cp =
            out[0] | out[1] << 8 | out[2] << 16 | static_cast<char32_t>(out[3]) << 24;
        // Every CP932 character lies in the BMP; anything else would be a
        // converter we do not understand, so the pair stays invalid.
        if (cp < 0x80 || cp > 0xFFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return 0;
        }
        return static_cast<char16_t>(cp);
    }

    void FillEncode() {
        for (unsigned b = 0xA1; b <= 0xDF; ++b) {
            encode_[kHalfWidthKatakanaBase + (b - 0xA1)] = static_cast<std::uint16_t>(b);
        }
        for (int rank = 0; rank <= kLowestRank; ++rank) {
            for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
                if (DuplicateRank(lead) != rank) {
                    continue;
                }
                for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
                    const char16_t cp = decode_[Index(lead, trail)];
                    if (cp != 0 && encode_[cp] == 0) {
                        encode_[cp] = static_cast<std::uint16_t>(lead << 8 | trail);
                    }
                }
            }
        }
        for (const UnicodeVariant& v : kJisVariants) {
            encode_[v.other] = encode_[v.cp932Form];
        }
    }

    std::vector<char16_t> decode_;      // by (lead - 0x80) * 256 + trail
    std::vector<std::uint16_t> encode_; // by BMP code point
};

const Cp932Tables& Tables() {
    static const Cp932Tables tables;
    return tables;
}

void AppendUtf8(std::string& out, char32_t cp) {
    char buffer[3];
    std::size_t length = 0;
    if (cp < 0x80) {
        buffer[length++] = static_cast<char>(cp);
    } else if (cp < 0x800) {
        buffer[length++] = static_cast<char>(0xC0 | cp >> 6);
        buffer[length++] = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        buffer[length++] = static_cast<char>(0xE0 | cp >> 12);
        buffer[length++] = static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        buffer[length++] = static_cast<char>(0x80 | (cp & 0x3F));
    }
    out.append(buffer, length);
}

// Length of the run of ASCII bytes at text[i], which both directions copy as
// they are.
std::size_t AsciiRun(std::string_view text, std::size_t i) {
    std::size_t end = i;
    while (end < text.size() && static_cast<unsigned char>(text[end]) < 0x80) {
        ++end;
    }
    return end - i;
}

// Reads the UTF-8 sequence starting with the non-ASCII byte text[i]. Returns
// its length and its code point, or, for an invalid sequence, the length of
// its invalid part and kInvalid. The invalid part is the longest start of a
// well-formed sequence (at least one byte), so a truncated character counts
// once and the byte that broke it is read again as the start of the next.
std::size_t ReadUtf8(std::string_view text, std::size_t i, char32_t& cp) {
    const auto first = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t value = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (first >= 0xC2 && first <= 0xDF) {
        length = 2;
        value = first & 0x1F;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3;
        value = first & 0x0F;
        low = first == 0xE0 ? 0xA0 : 0x80;  // overlong below U+0800
        high = first == 0xED ? 0x9F : 0xBF; // surrogates
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4;
        value = first & 0x07;
        low = first == 0xF0 ? 0x90 : 0x80;  // overlong below U+10000
        high = first == 0xF4 ? 0x8F : 0xBF; // above U+10FFFF
    } else {
        cp = kInvalid;
        return 1;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if (i + k >= text.size()) {
            cp = kInvalid;
            return k;
        }
        const auto b = static_cast<unsigned char>(text[i + k]);
        if (b < low || b > high) {
            cp = kInvalid;
            return k;
        }
        low = 0x80;
        high = 0xBF;
        value = value << 6 | (b & 0x3F);
    }
    cp = value;
    return length;
}

} // namespace

FromUnicodeResult Utf8ToCp932(std::string_view utf8) {
    const Cp932Tables& tables = Tables();
    FromUnicodeResult result;
    result.bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            const std::size_t run = AsciiRun(utf8, i);
            result.bytes.append(utf8.substr(i, run));
            i += run;
            continue;
        }
        char32_t cp = kInvalid;
        i += ReadUtf8(utf8, i, cp);
        const std::uint16_t code = cp == kInvalid ? 0 : tables.Encode(cp);
        if (code > 0xFF) {
            const char pair[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
            result.bytes.append(pair, 2);
        } else if (code != 0) {
            result.bytes += static_cast<char>(code);
        } else {
            result.bytes += kCp932Replacement;
            if (result.replaced < INT_MAX) {
                ++result.replaced;
            }
        }
    }
    return result;
}

std::string Cp932ToUtf8(std::string_view cp932, std::string_view placeholder) {
    const Cp932Tables& tables = Tables();
    std::string out;
    out.reserve(cp932.size() + cp932.size() / 2);
    for (std::size_t i = 0; i < cp932.size();) {
        const auto b = static_cast<unsigned char>(cp932[i]);
        if (b < 0x80) {
            const std::size_t run = AsciiRun(cp932, i);
            out.append(cp932.substr(i, run));
            i += run;
        } else if (IsHalfWidthKatakana(b)) {
            AppendUtf8(out, kHalfWidthKatakanaBase + (b - 0xA1));
            ++i;
        } else if (IsLeadByte(b) && i + 1 < cp932.size() &&
                   IsTrailByte(static_cast<unsigned char>(cp932[i + 1]))) {
            if (const char16_t cp = tables.Decode(b, static_cast<unsigned char>(cp932[i + 1]))) {
                AppendUtf8(out, cp);
            } else {
                out += placeholder;
                out += placeholder;
            }
            i += 2;
        } else {
            out += placeholder;
            ++i;
        }
    }
    return out;
}

bool IsValidCp932Char(unsigned char lead, unsigned char trail) {
    return Tables().Decode(lead, trail) != 0;
}

std::vector<std::uint16_t> AllCp932DoubleByteChars() {
    const Cp932Tables& tables = Tables();
    std::vector<std::uint16_t> codes;
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            if (tables.Decode(static_cast<unsigned char>(lead),
                              static_cast<unsigned char>(trail))) {
                codes.push_back(static_cast<std::uint16_t>(lead << 8 | trail));
            }
        }
    }
    return codes;
}

} // namespace mojiro
