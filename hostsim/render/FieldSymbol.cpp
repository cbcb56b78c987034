#include "FieldSymbol.h"

#include <kxsdkbase/Enumerations.h>

#include <QFont>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace kestrix::hostsim::render {

void FieldSymbol::paintShape(QPainter& painter, const QPointF& at, double size, int shape)
{
    const double r = size / 2.0;
    switch (shape) {
    case GeomShape_Del:
        painter.drawPolygon(QPolygonF({at + QPointF(0, -r), at + QPointF(r, r * 0.75), at + QPointF(-r, r * 0.75)}));
        break;
    case GeomShape_Grad:
        painter.drawPolygon(QPolygonF({at + QPointF(0, r), at + QPointF(r, -r * 0.75), at + QPointF(-r, -r * 0.75)}));
        break;
    case GeomShape_RTri:
        painter.drawPolygon(QPolygonF({at + QPointF(r, 0), at + QPointF(-r * 0.75, -r), at + QPointF(-r * 0.75, r)}));
        break;
    case GeomShape_LTri:
        painter.drawPolygon(QPolygonF({at + QPointF(-r, 0), at + QPointF(r * 0.75, -r), at + QPointF(r * 0.75, r)}));
        break;
    case GeomShape_Diamond:
    case GeomShape_Octahedron:
        painter.drawPolygon(
            QPolygonF({at + QPointF(0, -r), at + QPointF(r, 0), at + QPointF(0, r), at + QPointF(-r, 0)}));
        break;
    case GeomShape_Circle:
    case GeomShape_Sphere:
        painter.drawEllipse(at, r, r);
        break;
    case GeomShape_Point: {
        // A dot of the outline's colour, whatever the fill.
        const double dot = std::max(1.5, size / 5.0);
        painter.save();
        painter.setBrush(painter.pen().color());
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(at, dot / 2.0, dot / 2.0);
        painter.restore();
        break;
    }
    default:
        painter.drawRect(QRectF(at.x() - r, at.y() - r, size, size));
        break;
    }
}

void FieldSymbol::paintText(QPainter& painter, const QPointF& at, double size, const QString& text)
{
    painter.save();
    QFont font = painter.font();
    font.setPixelSize(std::max(1, static_cast<int>(size)));
    painter.setFont(font);
    const QRectF box(at.x() - size * 2.0, at.y() - size, size * 4.0, size * 2.0);
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}

} // namespace kestrix::hostsim::render
