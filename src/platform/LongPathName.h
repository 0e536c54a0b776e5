// The long form of a path: the form a path named on the command line is
// opened and remembered by.
#pragma once

#include <string>
#include <string_view>

namespace mojiro {

// For a path that exists: its absolute, cleaned form (no "." or ".." parts,
// no doubled or trailing "/"), relative paths taken from the current folder.
// A path that does not exist comes back unchanged, except that a trailing
// "/" is dropped; empty text stays empty. The root stays "/".
[[nodiscard]] std::string LongPathName(std::string_view path);

} // namespace mojiro
