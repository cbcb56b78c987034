#include "FieldArrow.h"

#include <kxsdkbase/Enumerations.h>

#include <QLineF>
#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace kestrix::hostsim::render {

void FieldArrow::paint(QPainter& painter, const QPointF& at, const QPointF& vector, int type, int headStyle)
{
    const double length = std::hypot(vector.x(), vector.y());
    if (!(length > 0.5))
        return;
    QPointF tail = at;
    switch (type) {
    case VectorType_HeadAtPoint:
    case VectorType_HeadOnly:
        tail = at - vector;
        break;
    case VectorType_MidAtPoint:
        tail = at - vector / 2.0;
        break;
    default:
        break;
    }
    const QPointF head = tail + vector;
    if (type != VectorType_HeadOnly)
        painter.drawLine(QLineF(tail, head));
    const QPointF back = -vector / length * std::max(3.0, length / 3.0);
    const QPointF side(-back.y() * 0.4, back.x() * 0.4);
    const QPointF left = head + back + side;
    const QPointF right = head + back - side;
    if (headStyle == ArrowheadStyle_Plain) {
        painter.drawLine(QLineF(head, left));
        painter.drawLine(QLineF(head, right));
        return;
    }
    painter.save();
    QPen pen = painter.pen();
    pen.setStyle(Qt::SolidLine);
    painter.setPen(pen);
    painter.setBrush(headStyle == ArrowheadStyle_Filled ? QBrush(pen.color()) : QBrush(Qt::NoBrush));
    painter.drawPolygon(QPolygonF({head, left, right}));
    painter.restore();
}

} // namespace kestrix::hostsim::render
