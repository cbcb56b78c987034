#include "FieldEdges.h"

#include "FieldMapStyle.h"
#include "FieldZone.h"

#include "hostsim/kernel/Scene.h"

#include <kxsdkbase/Enumerations.h>

#include <cmath>
#include <unordered_map>

namespace kestrix::hostsim::render {

namespace {

// The cosine of the fold beyond which an edge is a crease.
constexpr double CreaseCosine = 0.7071;

using Segments = std::vector<std::array<long, 2>>;

bool selects(int border, int extreme)
{
    return (border & (extreme == 0 ? BorderLocation_Min : BorderLocation_Max)) != 0;
}

void addLine(const FieldZone& zone, const SurfacePlane& line, Segments& out)
{
    const long step = zone.strides(line)[0];
    for (long a = 0; a + 1 < line.countA; a += step)
        out.push_back({line.node(a, 0), line.node(std::min(a + step, line.countA - 1), 0)});
}

void orderedBorders(const FieldZone& zone, Segments& out)
{
    const kernel::Zone& z = zone.zone();
    const long counts[3] = {z.iMax, z.jMax, z.kMax};
    const long strides[3] = {1, z.iMax, z.iMax * z.jMax};
    const std::array<int, 3>& borders = zone.style().borders;
    int spread[3];
    int spreadCount = 0;
    for (int d = 0; d < 3; ++d) {
        if (counts[d] > 1)
            spread[spreadCount++] = d;
    }
    const auto at = [&](int d, int extreme) { return extreme == 0 ? 0L : (counts[d] - 1) * strides[d]; };
    if (spreadCount == 2) {
        for (int side = 0; side < 2; ++side) {
            const int fixed = spread[side];
            const int along = spread[1 - side];
            for (int extreme = 0; extreme < 2; ++extreme) {
                if (!selects(borders[static_cast<std::size_t>(fixed)], extreme))
                    continue;
                SurfacePlane line;
                line.first = at(fixed, extreme);
                line.strideA = strides[along];
                line.countA = counts[along];
                addLine(zone, line, out);
            }
        }
    } else if (spreadCount == 3) {
        for (int along = 0; along < 3; ++along) {
            const int e = along == 0 ? 1 : 0;
            const int f = along == 2 ? 1 : 2;
            for (int ee = 0; ee < 2; ++ee) {
                for (int ff = 0; ff < 2; ++ff) {
                    if (!selects(borders[static_cast<std::size_t>(e)], ee)
                        || !selects(borders[static_cast<std::size_t>(f)], ff))
                        continue;
                    SurfacePlane line;
                    line.first = at(e, ee) + at(f, ff);
                    line.strideA = strides[along];
                    line.countA = counts[along];
                    addLine(zone, line, out);
                }
            }
        }
    }
}

struct EdgeUse {
    std::array<long, 2> nodes;
    std::array<double, 3> normal;
    int count = 0;
    bool sharp = false;
};

} // namespace

Segments FieldEdges::segments(const FieldZone& zone, bool threeD)
{
    Segments result;
    const int type = zone.style().edgeType;
    const bool borders = type != EdgeType_Creases;
    const bool creases = threeD && type != EdgeType_Borders;
    const kernel::Zone& z = zone.zone();
    if (borders && z.ordered)
        orderedBorders(zone, result);
    const bool singleUseBorders = borders && !z.ordered && !z.volume;
    if (!singleUseBorders && !creases)
        return result;

    std::unordered_map<std::uint64_t, EdgeUse> uses;
    zone.forEachCell([&](const FieldCell& cell) {
        const std::array<double, 3> normal = creases ? zone.normal(cell) : std::array<double, 3>{};
        for (int c = 0; c < cell.count; ++c) {
            const long a = cell.nodes[c];
            const long b = cell.nodes[(c + 1) % cell.count];
            const auto low = static_cast<std::uint64_t>(std::min(a, b));
            const auto high = static_cast<std::uint64_t>(std::max(a, b));
            EdgeUse& use = uses[(low << 32) | high];
            if (use.count == 0) {
                use.nodes = {a, b};
                use.normal = normal;
            } else if (std::abs(use.normal[0] * normal[0] + use.normal[1] * normal[1] + use.normal[2] * normal[2])
                       < CreaseCosine) {
                use.sharp = true;
            }
            ++use.count;
        }
    });
    for (const auto& [key, use] : uses) {
        if ((singleUseBorders && use.count == 1) || (creases && use.sharp))
            result.push_back(use.nodes);
    }
    return result;
}

} // namespace kestrix::hostsim::render
