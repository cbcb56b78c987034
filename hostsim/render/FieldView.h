#pragma once

#include <QPointF>

namespace kestrix::hostsim::render {

// Where a point of the data lies in the picture, and how near it is to the viewer.
class FieldView {
public:
    virtual ~FieldView() = default;
    virtual QPointF map(double x, double y, double z) const = 0;
    // Larger is nearer; the same for every point of a flat view.
    virtual double depth(double x, double y, double z) const = 0;
};

} // namespace kestrix::hostsim::render
