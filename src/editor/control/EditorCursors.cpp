#include "editor/control/EditorCursors.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygon>

namespace mojiro {

namespace {

// The left-margin cursor: the arrow mirrored, pointing up and to the right,
// so that it reads as "this whole row".
QCursor RightArrowCursor() {
    QPixmap pixmap(16, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QPolygon arrow{{15, 0}, {15, 16}, {11, 12}, {8, 19}, {6, 18}, {9, 11}, {4, 11}};
    painter.setPen(Qt::white);
    painter.setBrush(Qt::black);
    painter.drawPolygon(arrow);
    painter.end();
    return QCursor(pixmap, 15, 0);
}

} // namespace

QCursor CursorFor(TCursor cursor) {
    switch (cursor) {
    case crIBeam:
        return QCursor(Qt::IBeamCursor);
    case crDrag:
        return QCursor(Qt::DragMoveCursor);
    case crDragSelCopy:
        return QCursor(Qt::DragCopyCursor);
    case crRightArrow:
        return RightArrowCursor();
    default:
        return QCursor(Qt::ArrowCursor);
    }
}

} // namespace mojiro
