#include "editor/control/FontSubstitutes.h"

#include <QString>
#include <QStringList>

namespace mojiro {

void InstallFontSubstitutes() {
    static const bool installed = [] {
        // Fixed-pitch families must keep one half-width character per cell, so
        // they fall back to dual-width CJK fonts before the generic monospace.
        const QStringList gothic{QStringLiteral("IPAGothic"),
                                 QStringLiteral("Noto Sans Mono CJK JP"),
                                 QStringLiteral("monospace")};
        QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), gothic);
        QFont::insertSubstitutions(QStringLiteral("FixedSys"), gothic);
        QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                                   {QStringLiteral("IPAPGothic"),
                                    QStringLiteral("Noto Sans CJK JP"),
                                    QStringLiteral("sans-serif")});
        return true;
    }();
    (void)installed;
}

QFont DefaultEditorFont() {
    InstallFontSubstitutes();
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPixelSize(13);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

} // namespace mojiro
