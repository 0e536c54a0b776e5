// The print dialog's six values in section File of the settings store.
#pragma once

#include "print/PrintLayout.h"

namespace mojiro {

class SettingsStore;

[[nodiscard]] StoredPrintSettings ReadPrintSettings(const SettingsStore& store);
void WritePrintSettings(SettingsStore& store, const StoredPrintSettings& settings);

} // namespace mojiro
