// The enclosing-pair list as a file of its own, so that reporters can pass
// their lists to each other: CP932 text, one item per CR LF line, a header,
// the pair count, then seven lines per pair (left, right, colour, background
// colour, bold, italic, underline).
#pragma once

#include "editor/EditorBrackets.h"

#include <string>

namespace mojiro {

// Creates or overwrites the file. Throws FileError when it cannot be written;
// the file is closed in every case.
void SaveEnclosingList(const std::string& path, const TEditorBracketCollection& list);

// False, with the list untouched, when the first line is not the header byte
// for byte. Otherwise the list is replaced by the file's pairs. Throws
// FileError when the file cannot be read or its numbers are damaged or it
// ends early (the pairs read before stay), and the collection's own error at
// a pair beyond its capacity (the pairs read before stay).
[[nodiscard]] bool LoadEnclosingList(const std::string& path, TEditorBracketCollection& list);

// UTF-8 text of the box that refuses a file without the header.
[[nodiscard]] std::string NotAListMessage(const std::string& path);

} // namespace mojiro
