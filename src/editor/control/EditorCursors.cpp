#include "editor/control/EditorCursors.h"

#include <QPixmap>

namespace mojiro {

namespace {

// The program's own cursors, from its resources, with their hot spots.
QCursor ResourceCursor(const char* name, int hotX, int hotY) {
    const QPixmap image(QStringLiteral(":/mojiro/cursors/%1.xpm").arg(QLatin1String(name)));
    if (image.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(image, hotX, hotY);
}

} // namespace

QCursor CursorFor(TCursor cursor) {
    switch (cursor) {
    case crIBeam:
        return QCursor(Qt::IBeamCursor);
    case crDrag:
        return QCursor(Qt::DragMoveCursor);
    case crRightArrow:
        // The arrow mirrored, pointing up and to the right: "this whole row".
        return ResourceCursor("RightArrow", 11, 0);
    case crDragSelCopy:
        return ResourceCursor("DragSelCopy", 0, 0);
    default:
        return QCursor(Qt::ArrowCursor);
    }
}

} // namespace mojiro
