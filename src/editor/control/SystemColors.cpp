#include "editor/control/SystemColors.h"

#include <array>

namespace mojiro {

namespace {

// Where a system colour comes from: a role of the palette (in a colour group)
// or, for the parts of a classic desktop Qt has no role for, a fixed colour.
struct SystemColor {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
    QRgb fixed; // used when role is NoRole
};

constexpr QPalette::ColorRole kFixed = QPalette::NoRole;

// Indexed by the system colour index.
constexpr std::array<SystemColor, kSystemColorCount> kSystemColors{{
    {QPalette::Active, QPalette::Button, 0},            //  0 scroll bar
    {QPalette::Active, kFixed, qRgb(0x3A, 0x6E, 0xA5)}, //  1 desktop background
    {QPalette::Active, QPalette::Highlight, 0},         //  2 active caption
    {QPalette::Inactive, QPalette::Highlight, 0},       //  3 inactive caption
    {QPalette::Active, QPalette::Window, 0},            //  4 menu
    {QPalette::Active, QPalette::Base, 0},              //  5 window
    {QPalette::Active, kFixed, qRgb(0, 0, 0)},          //  6 window frame
    {QPalette::Active, QPalette::WindowText, 0},        //  7 menu text
    {QPalette::Active, QPalette::Text, 0},              //  8 window text
    {QPalette::Active, QPalette::HighlightedText, 0},   //  9 caption text
    {QPalette::Active, QPalette::Window, 0},            // 10 active border
    {QPalette::Inactive, QPalette::Window, 0},          // 11 inactive border
    {QPalette::Active, QPalette::Dark, 0},              // 12 application workspace
    {QPalette::Active, QPalette::Highlight, 0},         // 13 highlight
    {QPalette::Active, QPalette::HighlightedText, 0},   // 14 highlight text
    {QPalette::Active, QPalette::Button, 0},            // 15 button face
    {QPalette::Active, QPalette::Dark, 0},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text, 0},            // 17 grey text
    {QPalette::Active, QPalette::ButtonText, 0},        // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText, 0}, // 19 inactive caption text
    {QPalette::Active, QPalette::Light, 0},             // 20 button highlight
    {QPalette::Active, QPalette::Shadow, 0},            // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight, 0},          // 22 3D light
    {QPalette::Active, QPalette::ToolTipText, 0},       // 23 info text
    {QPalette::Active, QPalette::ToolTipBase, 0},       // 24 info background
}};

constexpr TColor kSystemColorFlag = 0x80000000;

} // namespace

QColor TColorToQColor(TColor color, const QPalette& palette) {
    if ((color & kSystemColorFlag) != 0) {
        const TColor index = color & ~kSystemColorFlag;
        if (index >= kSystemColors.size())
            return QColor(Qt::black);
        const SystemColor& entry = kSystemColors[index];
        if (entry.role == kFixed)
            return QColor::fromRgb(entry.fixed);
        return palette.color(entry.group, entry.role);
    }
    // The high byte of a colour reference selects a palette mode on Windows;
    // the colour is in the low three bytes either way.
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

QFont StyledFont(const QFont& font, TFontStyles styles) {
    QFont styled(font);
    styled.setBold((styles & fsBold) != 0);
    styled.setItalic((styles & fsItalic) != 0);
    styled.setUnderline((styles & fsUnderline) != 0);
    styled.setStrikeOut((styles & fsStrikeOut) != 0);
    return styled;
}

TFontStyles FontStylesOf(const QFont& font) {
    TFontStyles styles = 0;
    if (font.bold())
        styles |= fsBold;
    if (font.italic())
        styles |= fsItalic;
    if (font.underline())
        styles |= fsUnderline;
    if (font.strikeOut())
        styles |= fsStrikeOut;
    return styles;
}

} // namespace mojiro
