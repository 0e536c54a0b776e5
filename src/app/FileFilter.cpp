#include "app/FileFilter.h"

#include "platform/Cp932Codec.h"
#include "settings/SettingsTable.h"

namespace mojiro {

namespace {

// Texts for the window are UTF-8, written as such in the source.
constexpr std::string_view kTextFiles = "ﾃｷｽﾄﾌｧｲﾙ";
constexpr std::string_view kAllFiles = "すべてのﾌｧｲﾙ";

std::vector<std::string> SplitPatterns(std::string_view list) {
    std::vector<std::string> patterns;
    while (!list.empty()) {
        const std::size_t end = list.find(';');
        const std::string_view pattern = list.substr(0, end);
        if (!pattern.empty()) {
            patterns.emplace_back(pattern);
        }
        list.remove_prefix(end == std::string_view::npos ? list.size() : end + 1);
    }
    return patterns;
}

} // namespace

std::string FileFilter::QtTextFileEntry() const {
    std::string entry = std::string(kTextFiles) + " (";
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        entry += (i == 0 ? "" : " ") + patterns[i];
    }
    return entry + ")";
}

std::string FileFilter::QtFilter() const {
    return QtTextFileEntry() + ";;" + std::string(kAllFiles) + " (*)";
}

FileFilter BuildFileFilter(const SettingsStore& store) {
    std::string ext = Cp932ToUtf8(ReadSetting(store, TextSetting{"File", "Ext"}));
    // The last ";" closes the list. Only that is dropped: a hand-edited list
    // without it keeps its last pattern whole.
    if (ext.ends_with(';')) {
        ext.pop_back();
    }
    FileFilter filter;
    filter.text = std::string(kTextFiles) + "|" + ext + "|" + std::string(kAllFiles) + "|*.*";
    filter.patterns = SplitPatterns(ext);
    return filter;
}

} // namespace mojiro
