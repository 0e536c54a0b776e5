// TEditor: the font and colour of the property set on screen.
#include "editor/control/FontSubstitutes.h"
#include "editor/control/SystemColors.h"
#include "editor/control/TEditor.h"
#include "platform/Cp932Codec.h"

#include <QFontMetrics>
#include <QString>
#include <algorithm>

namespace mojiro {

namespace {

// The pixel size of a Windows-style font height. A negative height is the
// character height, which is what a pixel size means to Qt; a positive one
// is the whole cell, so the size is scaled until ascent plus descent fits it;
// zero asks for the point size.
int PixelSizeOf(const QFont& font, const TEditorFont& description) {
    if (description.height < 0)
        return -description.height;
    if (description.height > 0) {
        QFont probe(font);
        probe.setPixelSize(description.height);
        const int cell = QFontMetrics(probe).height();
        return cell > 0 ? std::max(1, description.height * description.height / cell)
                        : description.height;
    }
    const int height = FontHeightFromSize(description.size);
    return height < 0 ? -height : -TEditorFont{}.height;
}

QFont ToQFont(const TEditorFont& description) {
    // Stored names are Windows families ("ＭＳ ゴシック", "FixedSys"); the
    // substitutes resolve them to installed Japanese fonts.
    InstallFontSubstitutes();
    const std::string family = Cp932ToUtf8(description.name);
    QFont font(QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size())));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(PixelSizeOf(font, description));
    return StyledFont(font, description.style);
}

} // namespace

// The painter draws the background and the text colour straight from
// Color() and Font().color; the widget palette stays the desktop's, since
// system colours such as clWindow resolve through it. A new font arrives as
// a font change, which recomputes the metrics and the scroll ranges.
void TEditor::FontOrColorChanged() {
    setFont(ToQFont(Font()));
    viewport()->update();
}

} // namespace mojiro
