#pragma once

#include "LineMapStyle.h"

#include <QPointF>

#include <vector>

namespace kestrix::hostsim::render {

// The path a map's line takes through its points, in data coordinates: the points themselves
// for line segments, or the fitted curve or spline sampled at the map's number of points.
class LineCurve {
public:
    // `weights` are one per point, or empty. When `yIndependent`, fits and splines give x as a
    // function of y. Non-finite coordinates in the result mark where the curve is undefined.
    static std::vector<QPointF> points(const std::vector<QPointF>& data, const LineMapStyle::Curves& curves,
                                       bool yIndependent, const std::vector<double>& weights = {});
};

} // namespace kestrix::hostsim::render
