#pragma once

#include "FieldView.h"

#include <QRectF>

#include <array>

namespace kestrix::hostsim::render {

// The fixed view of a 3-D field plot: orthographic, from 30 degrees round the Z axis to the
// right of the -Y direction and 25 degrees above the X-Y plane, with Z upwards. All three
// axes take the same scale, and the data's bounding box fits into the picture.
class FieldView3D : public FieldView {
public:
    using Vector = std::array<double, 3>;

    FieldView3D(const QRectF& rect, const Vector& minimum, const Vector& maximum);

    QPointF map(double x, double y, double z) const override;
    double depth(double x, double y, double z) const override;
    // The unit vector from the data towards the viewer.
    const Vector& towardViewer() const { return m_eye; }
    // The picture of a unit step along data axis 0, 1 or 2, at one pixel to the unit: the
    // shorter, the more the axis points at the viewer.
    QPointF screenDirection(int axis) const;

private:
    Vector m_right;
    Vector m_up;
    Vector m_eye;
    Vector m_centre;
    double m_scale = 1.0;
    QPointF m_origin;
};

} // namespace kestrix::hostsim::render
