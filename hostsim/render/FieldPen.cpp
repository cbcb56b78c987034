#include "FieldPen.h"

#include "FieldLineStyle.h"

#include <kxsdkbase/Enumerations.h>

#include <algorithm>

namespace kestrix::hostsim::render {

double FieldPen::width(double thickness, double pixelsPerPercent)
{
    return std::max(1.0, thickness * pixelsPerPercent);
}

QPen FieldPen::make(const QColor& color, const FieldLineStyle& style, double pixelsPerPercent)
{
    const double penWidth = width(style.thickness, pixelsPerPercent);
    QPen pen(color, penWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    // Dashes and gaps as shares of one pattern length, which repeats along the line.
    QList<qreal> shares;
    switch (style.pattern) {
    case LinePattern_Dashed:
        shares = {0.5, 0.5};
        break;
    case LinePattern_DashDot:
        shares = {0.5, 0.2, 0.05, 0.25};
        break;
    case LinePattern_Dotted:
        shares = {0.05, 0.45, 0.05, 0.45};
        break;
    case LinePattern_LongDash:
        shares = {0.8, 0.2};
        break;
    case LinePattern_DashDotDot:
        shares = {0.45, 0.15, 0.05, 0.15, 0.05, 0.15};
        break;
    default:
        pen.setCapStyle(Qt::SquareCap);
        return pen;
    }
    const double length = std::max(2.0, style.patternLength * pixelsPerPercent);
    QList<qreal> dashes;
    for (qreal share : shares)
        dashes << std::max(0.5, share * length / penWidth);
    pen.setDashPattern(dashes);
    return pen;
}

} // namespace kestrix::hostsim::render
