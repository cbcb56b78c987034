#include "SurfaceExtractor.h"

#include "FieldMapStyle.h"

#include "hostsim/kernel/Scene.h"

#include <kxsdkbase/Enumerations.h>

#include <algorithm>
#include <unordered_map>

namespace kestrix::hostsim::render {

namespace {

struct FaceKey {
    std::array<int, 4> nodes;
    bool operator==(const FaceKey& other) const { return nodes == other.nodes; }
};

struct FaceKeyHash {
    std::size_t operator()(const FaceKey& key) const
    {
        std::size_t hash = 1469598103934665603ULL;
        for (int node : key.nodes)
            hash = (hash ^ static_cast<std::size_t>(static_cast<unsigned>(node))) * 1099511628211ULL;
        return hash;
    }
};

// The same key for a face whoever lists it: its corners sorted; a triangle has three.
FaceKey keyOf(const std::array<int, 4>& face, bool quadrilateral)
{
    FaceKey key{face};
    if (!quadrilateral)
        key.nodes[3] = -1;
    std::sort(key.nodes.begin(), key.nodes.end());
    return key;
}

// The plane of an ordered volume zone where index `fixed` (0 I, 1 J, 2 K) is `at` (0-based).
SurfacePlane planeAt(const long (&counts)[3], const long (&strides)[3], int fixed, long at)
{
    const int a = fixed == 0 ? 1 : 0;
    const int b = fixed == 2 ? 1 : 2;
    SurfacePlane plane;
    plane.first = at * strides[fixed];
    plane.strideA = strides[a];
    plane.strideB = strides[b];
    plane.countA = counts[a];
    plane.countB = counts[b];
    return plane;
}

// The 0-based indices a range selects among `count`.
std::vector<long> rangeIndices(const FieldMapStyle::IndexRange& range, long count)
{
    const auto resolve = [count](long index) { return std::clamp(index <= 0 ? count + index : index, 1L, count); };
    long first = resolve(range.minimum);
    long last = resolve(range.maximum);
    if (first > last)
        std::swap(first, last);
    const long skip = std::max(1L, range.skip);
    std::vector<long> indices;
    for (long index = first; index <= last; index += skip)
        indices.push_back(index - 1);
    return indices;
}

void orderedVolume(const kernel::Zone& zone, const FieldMapStyle& style, SurfaceSet& set)
{
    const long counts[3] = {zone.iMax, zone.jMax, zone.kMax};
    const long strides[3] = {1, zone.iMax, zone.iMax * zone.jMax};
    bool planes[3] = {false, false, false};
    switch (style.surfacesToPlot) {
    case SurfacesToPlot_None:
        return;
    case SurfacesToPlot_BoundaryFaces:
    case SurfacesToPlot_ExposedCellFaces:
        for (int fixed = 0; fixed < 3; ++fixed) {
            set.planes.push_back(planeAt(counts, strides, fixed, 0));
            set.planes.push_back(planeAt(counts, strides, fixed, counts[fixed] - 1));
        }
        return;
    case SurfacesToPlot_All:
        for (int fixed = 0; fixed < 3; ++fixed) {
            for (long at = 0; at < counts[fixed]; ++at)
                set.planes.push_back(planeAt(counts, strides, fixed, at));
        }
        return;
    case SurfacesToPlot_IPlanes:
        planes[0] = true;
        break;
    case SurfacesToPlot_JPlanes:
        planes[1] = true;
        break;
    case SurfacesToPlot_KPlanes:
        planes[2] = true;
        break;
    case SurfacesToPlot_IJPlanes:
        planes[0] = planes[1] = true;
        break;
    case SurfacesToPlot_JKPlanes:
        planes[1] = planes[2] = true;
        break;
    case SurfacesToPlot_IKPlanes:
        planes[0] = planes[2] = true;
        break;
    default:
        planes[0] = planes[1] = planes[2] = true;
        break;
    }
    for (int fixed = 0; fixed < 3; ++fixed) {
        if (!planes[fixed])
            continue;
        for (long at : rangeIndices(style.surfaceRanges[static_cast<std::size_t>(fixed)], counts[fixed]))
            set.planes.push_back(planeAt(counts, strides, fixed, at));
    }
}

void ordered(const kernel::Zone& zone, const FieldMapStyle& style, SurfaceSet& set)
{
    const long counts[3] = {zone.iMax, zone.jMax, zone.kMax};
    const long strides[3] = {1, zone.iMax, zone.iMax * zone.jMax};
    int spread[3];
    int spreadCount = 0;
    for (int d = 0; d < 3; ++d) {
        if (counts[d] > 1)
            spread[spreadCount++] = d;
    }
    if (spreadCount == 3) {
        orderedVolume(zone, style, set);
        return;
    }
    SurfacePlane plane;
    if (spreadCount >= 1) {
        plane.strideA = strides[spread[0]];
        plane.countA = counts[spread[0]];
    }
    if (spreadCount == 2) {
        plane.strideB = strides[spread[1]];
        plane.countB = counts[spread[1]];
    }
    set.planes.push_back(plane);
}

void finiteElementVolume(const kernel::Zone& zone, const FieldMapStyle& style, SurfaceSet& set)
{
    static const int tetrahedronFaces[4][4] = {{0, 1, 2, 2}, {0, 1, 3, 3}, {0, 2, 3, 3}, {1, 2, 3, 3}};
    static const int brickFaces[6][4] = {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 1, 5, 4},
                                         {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}};
    if (style.surfacesToPlot == SurfacesToPlot_None)
        return;
    const bool bricks = zone.kMax == 8;
    const int facesPerElement = bricks ? 6 : 4;
    const auto stride = static_cast<std::size_t>(zone.kMax);
    const std::size_t elements = zone.connectivity.size() / stride;
    std::unordered_map<FaceKey, int, FaceKeyHash> uses;
    std::vector<std::array<int, 4>> faces;
    uses.reserve(elements * static_cast<std::size_t>(facesPerElement));
    for (std::size_t e = 0; e < elements; ++e) {
        const int* nodes = zone.connectivity.data() + e * stride;
        for (int f = 0; f < facesPerElement; ++f) {
            const int* corners = bricks ? brickFaces[f] : tetrahedronFaces[f];
            const std::array<int, 4> face = {nodes[corners[0]], nodes[corners[1]], nodes[corners[2]],
                                             nodes[corners[3]]};
            const auto [it, added] = uses.emplace(keyOf(face, bricks), 0);
            if (added)
                faces.push_back(face);
            ++it->second;
        }
    }
    const bool all = style.surfacesToPlot == SurfacesToPlot_All;
    for (const std::array<int, 4>& face : faces) {
        if (all || uses[keyOf(face, bricks)] == 1)
            set.faces.push_back(face);
    }
}

} // namespace

SurfaceSet SurfaceExtractor::extract(const kernel::Zone& zone, const FieldMapStyle& style)
{
    SurfaceSet set;
    if (zone.ordered) {
        ordered(zone, style, set);
    } else if (zone.hasConnectivity()) {
        if (zone.volume) {
            finiteElementVolume(zone, style, set);
        } else {
            const auto stride = static_cast<std::size_t>(zone.kMax);
            for (std::size_t at = 0; at + stride <= zone.connectivity.size(); at += stride) {
                const int* nodes = zone.connectivity.data() + at;
                set.faces.push_back({nodes[0], nodes[1], nodes[2], stride == 4 ? nodes[3] : nodes[2]});
            }
        }
    }
    return set;
}

} // namespace kestrix::hostsim::render
