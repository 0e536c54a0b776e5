#include "settings/ColorText.h"

#include "settings/AsciiCase.h"
#include "settings/ValueText.h"

#include <cstdio>

namespace mojiro {

namespace {

constexpr TColor Rgb(unsigned red, unsigned green, unsigned blue) {
    return red + 256 * green + 65536 * blue;
}

constexpr TColor System(unsigned index) {
    return 0x80000000u + index;
}

constexpr ColorName kColorNames[] = {
    {"clBlack", Rgb(0, 0, 0)},
    {"clMaroon", Rgb(128, 0, 0)},
    {"clGreen", Rgb(0, 128, 0)},
    {"clOlive", Rgb(128, 128, 0)},
    {"clNavy", Rgb(0, 0, 128)},
    {"clPurple", Rgb(128, 0, 128)},
    {"clTeal", Rgb(0, 128, 128)},
    {"clGray", Rgb(128, 128, 128)},
    {"clSilver", Rgb(192, 192, 192)},
    {"clRed", Rgb(255, 0, 0)},
    {"clLime", Rgb(0, 255, 0)},
    {"clYellow", Rgb(255, 255, 0)},
    {"clBlue", Rgb(0, 0, 255)},
    {"clFuchsia", Rgb(255, 0, 255)},
    {"clAqua", Rgb(0, 255, 255)},
    {"clWhite", Rgb(255, 255, 255)},
    {"clScrollBar", System(0)},
    {"clBackground", System(1)},
    {"clActiveCaption", System(2)},
    {"clInactiveCaption", System(3)},
    {"clMenu", System(4)},
    {"clWindow", System(5)},
    {"clWindowFrame", System(6)},
    {"clMenuText", System(7)},
    {"clWindowText", System(8)},
    {"clCaptionText", System(9)},
    {"clActiveBorder", System(10)},
    {"clInactiveBorder", System(11)},
    {"clAppWorkSpace", System(12)},
    {"clHighlight", System(13)},
    {"clHighlightText", System(14)},
    {"clBtnFace", System(15)},
    {"clBtnShadow", System(16)},
    {"clGrayText", System(17)},
    {"clBtnText", System(18)},
    {"clInactiveCaptionText", System(19)},
    {"clBtnHighlight", System(20)},
    {"cl3DDkShadow", System(21)},
    {"cl3DLight", System(22)},
    {"clInfoText", System(23)},
    {"clInfoBk", System(24)},
};

} // namespace

std::span<const ColorName> ColorNames() {
    return kColorNames;
}

std::string ColorToText(TColor color) {
    for (const ColorName& entry : kColorNames) {
        if (entry.value == color) {
            return std::string(entry.name);
        }
    }
    char text[10];
    std::snprintf(text, sizeof text, "$%08x", static_cast<unsigned>(color));
    return text;
}

std::optional<TColor> TextToColor(std::string_view text) {
    for (const ColorName& entry : kColorNames) {
        if (EqualsIgnoringAsciiCase(entry.name, text)) {
            return entry.value;
        }
    }
    if (const auto value = TextToInteger(text)) {
        return static_cast<TColor>(*value);
    }
    return std::nullopt;
}

} // namespace mojiro
