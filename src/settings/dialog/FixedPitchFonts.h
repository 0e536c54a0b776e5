// The installed font families a fixed-grid editor can use.
#pragma once

#include <QStringList>

namespace mojiro {

// Sorted, without duplicates: the families fontconfig reports as monospaced
// or as dual-width (the CJK fonts, whose full-width characters are two
// half-width cells). Proportional families are left out.
[[nodiscard]] QStringList FixedPitchFamilies();

} // namespace mojiro
