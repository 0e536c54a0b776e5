#include "platform/LongPathName.h"

#include <filesystem>
#include <system_error>

namespace mojiro {

namespace fs = std::filesystem;

namespace {

std::string WithoutTrailingSeparator(std::string text) {
    while (text.size() > 1 && text.back() == '/') {
        text.pop_back();
    }
    return text;
}

} // namespace

std::string LongPathName(std::string_view path) {
    if (path.empty()) {
        return {};
    }
    std::error_code error;
    const fs::path given(path);
    if (!fs::exists(given, error)) {
        return WithoutTrailingSeparator(std::string(path));
    }
    const fs::path absolute = fs::absolute(given, error);
    if (error) {
        return WithoutTrailingSeparator(std::string(path));
    }
    const fs::path cleaned = absolute.lexically_normal();
    // Dropping "dir/.." by text is wrong when dir is a link to another
    // folder; the resolved path then names the right entry.
    if (!fs::equivalent(cleaned, given, error) || error) {
        const fs::path resolved = fs::canonical(given, error);
        return error ? WithoutTrailingSeparator(std::string(path)) : resolved.string();
    }
    return WithoutTrailingSeparator(cleaned.string());
}

} // namespace mojiro
