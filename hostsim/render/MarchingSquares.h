#pragma once

#include <QLineF>
#include <QPointF>

#include <vector>

namespace kestrix::hostsim::render {

// Where a level line of a field crosses the cells of a mesh, by marching squares: each cell
// edge whose ends lie on either side of the level (a value equal to the level counts as above
// it) is cut where the linear interpolation meets the level, and the cuts of a cell are
// joined. A quadrilateral with all four edges cut (a saddle) is decided by the mean of its
// corners.
class MarchingSquares {
public:
    // The pieces of the level line in a quadrilateral, corners in order round it.
    static void quad(const QPointF (&corners)[4], const double (&values)[4], double level, std::vector<QLineF>& out);
    // The piece of the level line in a triangle.
    static void triangle(const QPointF (&corners)[3], const double (&values)[3], double level,
                         std::vector<QLineF>& out);
};

} // namespace kestrix::hostsim::render
