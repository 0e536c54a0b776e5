#include "settings/dialog/FixedPitchFonts.h"

#include <fontconfig/fontconfig.h>
#include <memory>

namespace mojiro {

QStringList FixedPitchFamilies() {
    QStringList families;
    std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(),
                                                                    &FcPatternDestroy);
    std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> objects(
        FcObjectSetBuild(FC_FAMILY, FC_SPACING, nullptr), &FcObjectSetDestroy);
    if (!pattern || !objects) {
        return families;
    }
    std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> fonts(
        FcFontList(nullptr, pattern.get(), objects.get()), &FcFontSetDestroy);
    if (!fonts) {
        return families;
    }
    for (int i = 0; i < fonts->nfont; ++i) {
        int spacing = FC_PROPORTIONAL;
        if (FcPatternGetInteger(fonts->fonts[i], FC_SPACING, 0, &spacing) != FcResultMatch ||
            spacing < FC_DUAL) {
            continue;
        }
        // A family may carry several names (one per language); each is a
        // name the font can be asked for.
        FcChar8* family = nullptr;
        for (int n = 0; FcPatternGetString(fonts->fonts[i], FC_FAMILY, n, &family) == FcResultMatch;
             ++n) {
            families.append(QString::fromUtf8(reinterpret_cast<const char*>(family)));
        }
    }
    families.sort();
    families.removeDuplicates();
    return families;
}

} // namespace mojiro
