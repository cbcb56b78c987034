#include "FieldZone.h"

#include "FieldMapStyle.h"
#include "FieldView.h"
#include "FrameSnapshot.h"
#include "SurfaceExtractor.h"

#include "hostsim/kernel/Scene.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kestrix::hostsim::render {

namespace {

// Below this size on the screen a zone is a dot, and cells are not drawn narrower.
constexpr double TinyPixels = 3.0;
constexpr double CellPixels = 2.0;

} // namespace

FieldZone::FieldZone(const FrameSnapshot& snapshot, int zone, int map, const FieldMapStyle& style, bool threeD)
    : m_zone(*snapshot.zone(zone)),
      m_style(style),
      m_number(zone),
      m_map(map)
{
    const long nodes = m_zone.nodeCount();
    const auto fits = [nodes](const std::vector<double>* values) {
        return values && static_cast<long>(values->size()) == nodes ? values : nullptr;
    };
    m_x = fits(snapshot.values(zone, 1));
    m_y = fits(snapshot.values(zone, 2));
    if (threeD)
        m_z = fits(snapshot.values(zone, 3));
}

long FieldZone::nodeCount() const
{
    return m_zone.nodeCount();
}

std::array<double, 3> FieldZone::position(long node) const
{
    const auto n = static_cast<std::size_t>(node);
    return {(*m_x)[n], (*m_y)[n], m_z ? (*m_z)[n] : 0.0};
}

std::array<double, 3> FieldZone::normal(const FieldCell& cell) const
{
    const std::array<double, 3> p0 = position(cell.nodes[0]);
    const std::array<double, 3> p1 = position(cell.nodes[1]);
    const std::array<double, 3> p2 = position(cell.nodes[2]);
    const std::array<double, 3> p3 = position(cell.nodes[cell.count == 4 ? 3 : 0]);
    // Across the diagonals; for a triangle one of them is an edge.
    const std::array<double, 3> u = {p2[0] - p0[0], p2[1] - p0[1], p2[2] - p0[2]};
    const std::array<double, 3> v = {p3[0] - p1[0], p3[1] - p1[1], p3[2] - p1[2]};
    std::array<double, 3> n = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (length > 0.0) {
        for (double& c : n)
            c /= length;
    }
    return n;
}

void FieldZone::project(const FieldView& view)
{
    if (!isDrawable())
        return;
    const long nodes = nodeCount();
    double left = std::numeric_limits<double>::infinity();
    double top = left;
    double right = -left;
    double bottom = -left;
    double depthSum = 0.0;
    for (long n = 0; n < nodes; ++n) {
        const std::array<double, 3> at = position(n);
        const QPointF point = view.map(at[0], at[1], at[2]);
        depthSum += view.depth(at[0], at[1], at[2]);
        left = std::min(left, point.x());
        right = std::max(right, point.x());
        top = std::min(top, point.y());
        bottom = std::max(bottom, point.y());
    }
    m_bounds = nodes > 0 ? QRectF(QPointF(left, top), QPointF(right, bottom)) : QRectF();
    m_meanDepth = nodes > 0 ? depthSum / static_cast<double>(nodes) : 0.0;
    // A tiny zone is a dot: its nodes and surfaces are not needed.
    if (isTiny())
        return;
    m_points.resize(static_cast<std::size_t>(nodes));
    if (m_z)
        m_depths.resize(static_cast<std::size_t>(nodes));
    for (long n = 0; n < nodes; ++n) {
        const std::array<double, 3> at = position(n);
        m_points[static_cast<std::size_t>(n)] = view.map(at[0], at[1], at[2]);
        if (m_z)
            m_depths[static_cast<std::size_t>(n)] = static_cast<float>(view.depth(at[0], at[1], at[2]));
    }
    m_surfaces = SurfaceExtractor::extract(m_zone, m_style);
}

bool FieldZone::isTiny() const
{
    return m_bounds.width() < TinyPixels && m_bounds.height() < TinyPixels && nodeCount() > 1;
}

std::array<long, 2> FieldZone::strides(const SurfacePlane& plane) const
{
    const double extent = std::max(m_bounds.width(), m_bounds.height());
    const auto stride = [extent](long count) {
        if (count < 2 || !(extent > 0.0))
            return 1L;
        const double cell = extent / static_cast<double>(count - 1);
        return std::max(1L, static_cast<long>(std::ceil(CellPixels / cell)));
    };
    return {stride(plane.countA), stride(plane.countB)};
}

} // namespace kestrix::hostsim::render
