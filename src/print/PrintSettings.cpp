#include "print/PrintSettings.h"

#include "settings/SettingsTable.h"

namespace mojiro {

StoredPrintSettings ReadPrintSettings(const SettingsStore& store) {
    return {.LYohaku = ReadSetting(store, IntegerSetting{"File", "LYohaku"}),
            .TYohaku = ReadSetting(store, IntegerSetting{"File", "TYohaku"}),
            .BYohaku = ReadSetting(store, IntegerSetting{"File", "BYohaku"}),
            .Gyoukan = ReadSetting(store, IntegerSetting{"File", "Gyoukan"}),
            .PagePrint = ReadSetting(store, BoolSetting{"File", "PagePrint"}),
            .FileNamePrint = ReadSetting(store, BoolSetting{"File", "FileNamePrint"})};
}

void WritePrintSettings(SettingsStore& store, const StoredPrintSettings& settings) {
    WriteSetting(store, IntegerSetting{"File", "LYohaku"}, settings.LYohaku);
    WriteSetting(store, IntegerSetting{"File", "TYohaku"}, settings.TYohaku);
    WriteSetting(store, IntegerSetting{"File", "BYohaku"}, settings.BYohaku);
    WriteSetting(store, IntegerSetting{"File", "Gyoukan"}, settings.Gyoukan);
    WriteSetting(store, BoolSetting{"File", "PagePrint"}, settings.PagePrint);
    WriteSetting(store, BoolSetting{"File", "FileNamePrint"}, settings.FileNamePrint);
}

} // namespace mojiro
