#include "LineCartesianProjection.h"

#include <QPainter>

namespace kestrix::hostsim::render {

LineCartesianProjection::LineCartesianProjection(const CartesianAxes& axes) : m_axes(axes) {}

QPointF LineCartesianProjection::map(double x, double y) const
{
    return m_axes.map(x, y);
}

int LineCartesianProjection::pieces(const QPointF&, const QPointF&) const
{
    return 1;
}

QPointF LineCartesianProjection::barFoot(double x, double y, bool horizontal) const
{
    return horizontal ? QPointF(m_axes.xMinimum(), y) : QPointF(x, m_axes.yMinimum());
}

void LineCartesianProjection::clip(QPainter& painter) const
{
    painter.setClipRect(m_axes.plotRect(), Qt::IntersectClip);
}

LineClipArea LineCartesianProjection::lineArea() const
{
    // The painter's clip cuts lines exactly; cutting them first a little outside keeps their
    // ends and joins out of sight.
    constexpr double margin = 64.0;
    return LineClipArea::rectangle(m_axes.plotRect().adjusted(-margin, -margin, margin, margin));
}

bool LineCartesianProjection::contains(const QPointF& point) const
{
    return m_axes.plotRect().contains(point);
}

QRectF LineCartesianProjection::bounds() const
{
    return m_axes.plotRect();
}

double LineCartesianProjection::pixelsPerGridUnit() const
{
    return m_axes.plotRect().height() / (m_axes.yMaximum() - m_axes.yMinimum());
}

} // namespace kestrix::hostsim::render
