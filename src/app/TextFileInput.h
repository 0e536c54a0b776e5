// Reading the files a reporter opens or merges into the article.
#pragma once

#include <filesystem>
#include <string>

namespace mojiro {

// Throws FileError unless the path names a regular file (or a link to one):
// a folder, a device or a pipe is never read as a document, since reading it
// would fail, block or never end.
void RequireRegularFile(const std::filesystem::path& file);

// The bytes of a file up to its end or up to the first Ctrl+Z (0x1A), which
// ends a text; line breaks are kept as they are. Throws FileError, with the
// system's error text, when the file cannot be read.
[[nodiscard]] std::string ReadMergeText(const std::filesystem::path& file);

} // namespace mojiro
