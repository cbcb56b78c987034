#include "FieldPoints.h"

#include "FieldMapStyle.h"
#include "FieldZone.h"

#include "hostsim/kernel/Scene.h"

#include <kxsdkbase/Enumerations.h>

#include <algorithm>

namespace kestrix::hostsim::render {

namespace {

class Selection {
public:
    explicit Selection(const FieldZone& zone) : m_zone(zone.zone()), m_skip(zone.style().pointSkip)
    {
        for (long& skip : m_skip)
            skip = std::max(1L, skip);
    }
    // Every `skip`-th by number, whatever the indices.
    Selection(const FieldZone& zone, long skip)
        : m_zone(zone.zone()),
          m_skip{std::max(1L, skip), 1, 1},
          m_byNumber(true)
    {
    }

    // Whether a node's indices fall on the skip.
    bool kept(long node) const
    {
        if (!m_zone.ordered || m_byNumber)
            return node % m_skip[0] == 0;
        const long i = node % m_zone.iMax;
        const long j = (node / m_zone.iMax) % m_zone.jMax;
        const long k = node / (m_zone.iMax * m_zone.jMax);
        return i % m_skip[0] == 0 && j % m_skip[1] == 0 && k % m_skip[2] == 0;
    }

    void node(long node, std::vector<FieldPoint>& out) const
    {
        if (!kept(node))
            return;
        FieldPoint point;
        point.nodes[0] = node;
        point.index = node;
        out.push_back(point);
    }

    const kernel::Zone& m_zone;
    std::array<long, 3> m_skip;
    bool m_byNumber = false;
};

void allNodes(const FieldZone& zone, const Selection& selection, std::vector<FieldPoint>& out)
{
    for (long n = 0; n < zone.nodeCount(); ++n)
        selection.node(n, out);
}

void plottedNodes(const FieldZone& zone, const Selection& selection, std::vector<FieldPoint>& out)
{
    std::vector<bool> seen(static_cast<std::size_t>(zone.nodeCount()), false);
    const auto visit = [&](long node) {
        if (!seen[static_cast<std::size_t>(node)]) {
            seen[static_cast<std::size_t>(node)] = true;
            selection.node(node, out);
        }
    };
    for (const SurfacePlane& plane : zone.surfaces().planes) {
        for (long b = 0; b < plane.countB; ++b) {
            for (long a = 0; a < plane.countA; ++a)
                visit(plane.node(a, b));
        }
    }
    for (const std::array<int, 4>& face : zone.surfaces().faces) {
        for (int node : face)
            visit(node);
    }
}

void cellCentres(const FieldZone& zone, const Selection& selection, std::vector<FieldPoint>& out)
{
    zone.forEachCell([&](const FieldCell& cell) {
        if (!selection.kept(cell.nodes[0]))
            return;
        FieldPoint point;
        point.index = cell.nodes[0];
        point.count = cell.count;
        std::copy(cell.nodes, cell.nodes + cell.count, point.nodes);
        out.push_back(point);
    });
}

void allCellCentres(const FieldZone& zone, const Selection& selection, std::vector<FieldPoint>& out)
{
    const kernel::Zone& z = zone.zone();
    if (!z.ordered) {
        const auto stride = static_cast<std::size_t>(z.kMax);
        for (std::size_t at = 0, element = 0; at + stride <= z.connectivity.size(); at += stride, ++element) {
            if (static_cast<long>(element) % selection.m_skip[0] != 0)
                continue;
            FieldPoint point;
            point.index = static_cast<long>(element);
            point.count = static_cast<int>(stride);
            for (std::size_t c = 0; c < stride; ++c)
                point.nodes[c] = z.connectivity[at + c];
            out.push_back(point);
        }
        return;
    }
    // A cell spans one step along every index range above 1; its corners along the others
    // coincide, which leaves their mean where it is.
    const long steps[3] = {z.iMax > 1 ? 1L : 0L, z.jMax > 1 ? 1L : 0L, z.kMax > 1 ? 1L : 0L};
    const long cells[3] = {std::max(1L, z.iMax - 1), std::max(1L, z.jMax - 1), std::max(1L, z.kMax - 1)};
    const long strides[3] = {1, z.iMax, z.iMax * z.jMax};
    long number = 0;
    for (long k = 0; k < cells[2]; ++k) {
        for (long j = 0; j < cells[1]; ++j) {
            for (long i = 0; i < cells[0]; ++i, ++number) {
                const long first = i + j * strides[1] + k * strides[2];
                if (selection.m_byNumber ? number % selection.m_skip[0] != 0 : !selection.kept(first))
                    continue;
                FieldPoint point;
                point.index = number;
                point.count = 8;
                for (int corner = 0; corner < 8; ++corner)
                    point.nodes[corner] = first + ((corner & 1) ? steps[0] : 0)
                                          + ((corner & 2) ? steps[1] * strides[1] : 0)
                                          + ((corner & 4) ? steps[2] * strides[2] : 0);
                out.push_back(point);
            }
        }
    }
}

void connectedNodes(const FieldZone& zone, const Selection& selection, std::vector<FieldPoint>& out)
{
    const kernel::Zone& z = zone.zone();
    if (z.ordered || !z.hasConnectivity()) {
        allNodes(zone, selection, out);
        return;
    }
    std::vector<bool> used(static_cast<std::size_t>(zone.nodeCount()), false);
    for (int node : z.connectivity)
        used[static_cast<std::size_t>(node)] = true;
    for (long n = 0; n < zone.nodeCount(); ++n) {
        if (used[static_cast<std::size_t>(n)])
            selection.node(n, out);
    }
}

} // namespace

std::vector<FieldPoint> FieldPoints::surfaceNodes(const FieldZone& zone, long skip)
{
    std::vector<FieldPoint> points;
    const Selection selection(zone, skip);
    const bool hasCells = !zone.surfaces().faces.empty()
                          || std::any_of(zone.surfaces().planes.begin(), zone.surfaces().planes.end(),
                                         [](const SurfacePlane& plane) { return plane.hasCells(); });
    if (hasCells)
        plottedNodes(zone, selection, points);
    else
        allNodes(zone, selection, points);
    return points;
}

std::vector<FieldPoint> FieldPoints::cells(const FieldZone& zone, long skip)
{
    std::vector<FieldPoint> points;
    allCellCentres(zone, Selection(zone, skip), points);
    return points;
}

std::vector<FieldPoint> FieldPoints::select(const FieldZone& zone)
{
    std::vector<FieldPoint> points;
    const Selection selection(zone);
    const kernel::Zone& z = zone.zone();
    // Without connectivity a finite-element zone has no surfaces and no cells: its nodes are
    // all there is to show.
    if (!z.ordered && !z.hasConnectivity()) {
        allNodes(zone, selection, points);
        return points;
    }
    switch (zone.style().pointsToPlot) {
    case PointsToPlot_AllNodes:
        allNodes(zone, selection, points);
        break;
    case PointsToPlot_SurfaceCellCenters:
        cellCentres(zone, selection, points);
        break;
    case PointsToPlot_AllCellCenters:
        allCellCentres(zone, selection, points);
        break;
    case PointsToPlot_AllConnected:
        connectedNodes(zone, selection, points);
        break;
    default:
        plottedNodes(zone, selection, points);
        break;
    }
    return points;
}

} // namespace kestrix::hostsim::render
