#include "editor/control/ClipboardMime.h"

#include "platform/Cp932Codec.h"

#include <QByteArray>
#include <QMimeData>
#include <QString>

namespace mojiro {

std::unique_ptr<QMimeData> MakeClipboardMime(const std::string& cp932, bool box) {
    auto mime = std::make_unique<QMimeData>();
    const std::string utf8 = Cp932ToUtf8(cp932);
    mime->setText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    const QByteArray bytes(cp932.data(), static_cast<qsizetype>(cp932.size()));
    mime->setData(kCp932Mime, bytes);
    if (box) {
        // The box format of the Windows program held the text with its NUL;
        // readers only test for the format's presence.
        QByteArray marker = bytes;
        marker.append('\0');
        mime->setData(kBoxTypeMime, marker);
    }
    return mime;
}

bool HoldsClipboardText(const QMimeData* mime) {
    return mime != nullptr && (mime->hasFormat(kCp932Mime) || mime->hasText());
}

std::optional<ClipboardContent> ReadClipboardMime(const QMimeData* mime) {
    if (!HoldsClipboardText(mime))
        return std::nullopt;
    ClipboardContent content;
    content.box = mime->hasFormat(kBoxTypeMime);
    if (mime->hasFormat(kCp932Mime)) {
        const QByteArray bytes = mime->data(kCp932Mime);
        content.text.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        return content;
    }
    const QByteArray utf8 = mime->text().toUtf8();
    FromUnicodeResult converted =
        Utf8ToCp932(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    content.text = std::move(converted.bytes);
    content.replaced = converted.replaced;
    return content;
}

} // namespace mojiro
