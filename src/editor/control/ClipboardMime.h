// The clipboard formats of the editor. text/plain carries the Unicode form of
// the text for every other program. A private format carries the exact CP932
// bytes, because CP932 holds some characters twice (the NEC and IBM copies)
// and their Unicode form cannot tell the copies apart; it also keeps bytes
// that are no character at all. A marker format flags a box.
#pragma once

#include <QMimeData>
#include <memory>
#include <optional>
#include <string>

namespace mojiro {

inline constexpr char kBoxTypeMime[] = "application/x-teditor-box-type";
inline constexpr char kCp932Mime[] = "application/x-mojiro-cp932";

[[nodiscard]] std::unique_ptr<QMimeData> MakeClipboardMime(const std::string& cp932, bool box);

struct ClipboardContent {
    std::string text; // CP932
    bool box = false;
    // Characters of text/plain that CP932 cannot hold; each became 〓.
    int replaced = 0;
};

// Whether the data holds text in either form, without converting it.
[[nodiscard]] bool HoldsClipboardText(const QMimeData* mime);

// The text of the clipboard's data, preferring the exact bytes; nothing when
// it holds no text.
[[nodiscard]] std::optional<ClipboardContent> ReadClipboardMime(const QMimeData* mime);

} // namespace mojiro
