#include "printing/cuttinglines.h"

#include <QPainter>
#include <QPolygon>

void drawCuttingFrame(QPainter &painter, int x, int y, int w, int h)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::white);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    const QPolygon outline({QPoint(x, y), QPoint(x + w, y), QPoint(x + w, y + h), QPoint(x, y + h), QPoint(x, y)});
    painter.drawPolyline(outline);
    painter.restore();
}
