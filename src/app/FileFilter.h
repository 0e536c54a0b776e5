// The file-type filter shared by the open and the save dialog, built from the
// stored file patterns (`Ext`, each "*" + extension + ";").
#pragma once

#include <string>
#include <vector>

namespace mojiro {

class SettingsStore;

struct FileFilter {
    // "ﾃｷｽﾄﾌｧｲﾙ|*.txt|すべてのﾌｧｲﾙ|*.*": caption and patterns of each entry,
    // separated by "|" (UTF-8). The text-file entry is the first (index 1).
    std::string text;
    // The text-file patterns one by one ("*.txt", "*.doc").
    std::vector<std::string> patterns;

    // The same two entries in the form a Qt file dialog takes:
    // "ﾃｷｽﾄﾌｧｲﾙ (*.txt *.doc);;すべてのﾌｧｲﾙ (*)".
    [[nodiscard]] std::string QtFilter() const;
    // The text-file entry alone in that form, to select it in the dialog.
    [[nodiscard]] std::string QtTextFileEntry() const;
};

// Reads `Ext` afresh, so that a change made by another instance applies.
[[nodiscard]] FileFilter BuildFileFilter(const SettingsStore& store);

} // namespace mojiro
