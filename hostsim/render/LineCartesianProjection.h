#pragma once

#include "CartesianAxes.h"
#include "LineProjection.h"

namespace kestrix::hostsim::render {

// Data on x–y axes; bars stand on the bottom axis, or on the left one when horizontal.
class LineCartesianProjection : public LineProjection {
public:
    explicit LineCartesianProjection(const CartesianAxes& axes);

    QPointF map(double x, double y) const override;
    int pieces(const QPointF& from, const QPointF& to) const override;
    QPointF barFoot(double x, double y, bool horizontal) const override;
    void clip(QPainter& painter) const override;
    LineClipArea lineArea() const override;
    bool contains(const QPointF& point) const override;
    QRectF bounds() const override;
    double pixelsPerGridUnit() const override;

private:
    CartesianAxes m_axes;
};

} // namespace kestrix::hostsim::render
