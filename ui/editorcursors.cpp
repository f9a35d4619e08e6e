#include "ui/editorcursors.h"

#include "editor/editorstate.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {
// A 32 × 32 cursor image drawn in black with a white rim on transparency.
QPixmap cursorCanvas(const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return pixmap;
}

// MYSB_DRAGC: a closed, grabbing hand; hot spot (15, 16).
QCursor grabbingHand()
{
    return QCursor(cursorCanvas([](QPainter &p) {
        QPainterPath hand;
        hand.addRoundedRect(QRectF(8, 12, 16, 13), 5, 5);      // the palm
        for (int i = 0; i < 4; ++i)                            // bent fingers on top
            hand.addRoundedRect(QRectF(9 + i * 3.6, 9, 4, 6), 2, 2);
        hand.addRoundedRect(QRectF(5, 15, 5, 7), 2.5, 2.5);    // the thumb
        hand.setFillRule(Qt::WindingFill);
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::white);
        p.drawPath(hand.simplified());
        p.drawLine(QPointF(12.5, 12), QPointF(12.5, 15));
        p.drawLine(QPointF(16, 12), QPointF(16, 15));
        p.drawLine(QPointF(19.5, 12), QPointF(19.5, 15));
    }), 15, 16);
}

// MYSB_LUPE: a magnifying glass; hot spot (0, 0) at the top left of the lens.
QCursor magnifier()
{
    return QCursor(cursorCanvas([](QPainter &p) {
        p.setPen(QPen(Qt::white, 4));
        p.drawLine(QPointF(15, 15), QPointF(25, 25));
        p.setPen(QPen(Qt::black, 2.5));
        p.drawLine(QPointF(15, 15), QPointF(25, 25));
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(QRectF(1, 1, 16, 16));
    }), 0, 0);
}
}

QCursor editorCursor(int number)
{
    switch (number) {
    case CursorDiagDown1:
    case CursorDiagDown4:
        return Qt::SizeFDiagCursor;
    case CursorDiagUp2:
    case CursorDiagUp3:
        return Qt::SizeBDiagCursor;
    case CursorVert5:
    case CursorVert6:
        return Qt::SizeVerCursor;
    case CursorHorz7:
    case CursorHorz8:
        return Qt::SizeHorCursor;
    case CursorGrab:
        return grabbingHand();
    case CursorMagnifier:
        return magnifier();
    case CursorCreate:
        return Qt::DragCopyCursor;
    default:
        return Qt::ArrowCursor;
    }
}
