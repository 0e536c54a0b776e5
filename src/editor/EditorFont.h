// The editor's font as the property set stores it: a description, not a
// platform font. The control turns it into a real font when it changes.
#pragma once

#include "editor/EditorTypes.h"

#include <algorithm>
#include <limits>
#include <string>

namespace mojiro {

struct TEditorFont {
    // Family name as CP932 text, kept as the user chose it ("ＭＳ ゴシック",
    // "FixedSys") and resolved to an installed font only when drawing.
    std::string name = "\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e"; // ＭＳ ゴシック
    // Pixels. Negative: the character height without internal leading, as a
    // Windows font height; positive: the whole cell height.
    int height = -13;
    // Points; follows height at the screen's 96 pixels per inch.
    int size = 10;
    std::string charset = "SHIFTJIS_CHARSET";
    TColor color = clWindowText;
    TFontStyles style = 0;

    bool operator==(const TEditorFont&) const = default;
};

// Screen resolution the point size and the pixel height are converted at.
constexpr int kScreenPixelsPerInch = 96;

namespace detail {
// -(a * b / c) rounded to the nearest integer, halves away from zero, and
// kept inside int for any input.
constexpr int NegatedMulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    const long long quotient = product >= 0 ? (product + half) / c : (product - half) / c;
    const long long limit = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(-quotient, -limit, limit));
}
} // namespace detail

// The point size of a pixel height and the pixel height of a point size. As
// with Windows fonts the signs are swapped: a character height of -13 pixels
// is 10 points, and a positive (cell) height gives a negative size.
[[nodiscard]] constexpr int FontSizeFromHeight(int height) {
    return detail::NegatedMulDiv(height, 72, kScreenPixelsPerInch);
}
[[nodiscard]] constexpr int FontHeightFromSize(int size) {
    return detail::NegatedMulDiv(size, kScreenPixelsPerInch, 72);
}

} // namespace mojiro
