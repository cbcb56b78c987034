#pragma once

#include <QPointF>

#include <vector>

namespace kestrix::hostsim::render {

class LineProjection;

// The pictures of a path through data points, ready to draw: mapped through the plot's
// projection (segments cut into pieces where the plot bends them), broken where a point is
// undefined, cut to the plot's line area, and thinned to a few points per pixel
// column, so that no line costs more than the pixels it covers.
class LinePolylines {
public:
    static std::vector<std::vector<QPointF>> build(const std::vector<QPointF>& data, const LineProjection& projection);
    // Of each run of points in one pixel column, the first, lowest, highest and last: the
    // polyline covers the same pixels with at most four points per column. A polyline with no
    // more points than the columns it spans is kept as it is.
    static std::vector<QPointF> thin(std::vector<QPointF> points);
};

} // namespace kestrix::hostsim::render
