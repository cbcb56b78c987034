#pragma once

#include "FieldCell.h"
#include "SurfaceSet.h"

#include <QPointF>
#include <QRectF>

#include <algorithm>
#include <array>
#include <vector>

namespace kestrix::hostsim::kernel {
struct Zone;
}

namespace kestrix::hostsim::render {

class FieldView;
class FrameSnapshot;
struct FieldMapStyle;

// One zone of a field plot: its node coordinates (variables 1, 2 and, in 3-D, 3) and, once
// projected, where its nodes lie in the picture and which surfaces it shows. A zone whose
// picture is smaller than a few pixels is "tiny" and is drawn as a dot, without nodes or
// surfaces; the cells of larger zones are walked with a stride that keeps them at least about
// two pixels wide, so that no picture holds more cells than pixels.
class FieldZone {
public:
    FieldZone(const FrameSnapshot& snapshot, int zone, int map, const FieldMapStyle& style, bool threeD);

    // Whether the zone has X and Y values to be drawn from.
    bool isDrawable() const { return m_x && m_y; }
    int number() const { return m_number; }
    int map() const { return m_map; }
    const kernel::Zone& zone() const { return m_zone; }
    const FieldMapStyle& style() const { return m_style; }
    const SurfaceSet& surfaces() const { return m_surfaces; }
    long nodeCount() const;
    std::array<double, 3> position(long node) const;
    // The unit normal of a cell in data coordinates (zero for a degenerate cell); its sign
    // follows the order of the corners.
    std::array<double, 3> normal(const FieldCell& cell) const;

    void project(const FieldView& view);
    const QPointF& point(long node) const { return m_points[static_cast<std::size_t>(node)]; }
    double depth(long node) const { return m_depths.empty() ? 0.0 : m_depths[static_cast<std::size_t>(node)]; }
    QRectF bounds() const { return m_bounds; }
    double meanDepth() const { return m_meanDepth; }
    bool isTiny() const;

    // The node steps along a plane's two directions that keep its cells about two pixels wide.
    std::array<long, 2> strides(const SurfacePlane& plane) const;
    // Every cell of the plotted surfaces, at those strides.
    template <typename Visit> void forEachCell(Visit visit) const;

private:
    const kernel::Zone& m_zone;
    const FieldMapStyle& m_style;
    int m_number;
    int m_map;
    const std::vector<double>* m_x = nullptr;
    const std::vector<double>* m_y = nullptr;
    const std::vector<double>* m_z = nullptr;
    SurfaceSet m_surfaces;
    std::vector<QPointF> m_points;
    std::vector<float> m_depths;
    QRectF m_bounds;
    double m_meanDepth = 0.0;
};

template <typename Visit> void FieldZone::forEachCell(Visit visit) const
{
    FieldCell cell;
    for (const SurfacePlane& plane : m_surfaces.planes) {
        if (!plane.hasCells())
            continue;
        const std::array<long, 2> step = strides(plane);
        for (long b = 0; b + 1 < plane.countB; b += step[1]) {
            const long b1 = std::min(b + step[1], plane.countB - 1);
            for (long a = 0; a + 1 < plane.countA; a += step[0]) {
                const long a1 = std::min(a + step[0], plane.countA - 1);
                cell.count = 4;
                cell.nodes[0] = plane.node(a, b);
                cell.nodes[1] = plane.node(a1, b);
                cell.nodes[2] = plane.node(a1, b1);
                cell.nodes[3] = plane.node(a, b1);
                visit(cell);
            }
        }
    }
    for (const std::array<int, 4>& face : m_surfaces.faces) {
        cell.count = face[3] == face[2] ? 3 : 4;
        for (int c = 0; c < 4; ++c)
            cell.nodes[c] = face[static_cast<std::size_t>(c)];
        visit(cell);
    }
}

} // namespace kestrix::hostsim::render
