#pragma once

#include "CartesianAxes.h"
#include "FieldView.h"

namespace kestrix::hostsim::render {

// The view of a 2-D field plot: X and Y through the axes; Z plays no part.
class FieldView2D : public FieldView {
public:
    explicit FieldView2D(const CartesianAxes& axes) : m_axes(axes) {}

    QPointF map(double x, double y, double) const override { return m_axes.map(x, y); }
    double depth(double, double, double) const override { return 0.0; }

private:
    CartesianAxes m_axes;
};

} // namespace kestrix::hostsim::render
