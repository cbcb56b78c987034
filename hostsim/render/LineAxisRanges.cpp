#include "LineAxisRanges.h"

#include "FrameSnapshot.h"
#include "LineMapAssignment.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kestrix::hostsim::render {

namespace {

constexpr double margin = 0.05;

void extend(std::pair<double, double>& extent, const std::vector<double>* values)
{
    if (!values)
        return;
    for (double value : *values) {
        if (std::isfinite(value)) {
            extent.first = std::min(extent.first, value);
            extent.second = std::max(extent.second, value);
        }
    }
}

} // namespace

LineAxisRanges::LineAxisRanges(const FrameSnapshot& snapshot, const std::vector<LineMapAssignment>& maps)
    : m_snapshot(snapshot)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    for (const LineMapAssignment& map : maps) {
        auto x = m_extents.try_emplace({'X', map.xAxis}, infinity, -infinity).first;
        extend(x->second, snapshot.values(map.zone, map.xVariable));
        auto y = m_extents.try_emplace({'Y', map.yAxis}, infinity, -infinity).first;
        extend(y->second, snapshot.values(map.zone, map.yVariable));
    }
}

kernel::AxisRange LineAxisRanges::range(char axis, int number, bool fromZero) const
{
    const kernel::AxisRange set = m_snapshot.frame().axisRange(axis, number);
    const auto it = m_extents.find({axis, number});
    if (set.minimum != 0.0 || set.maximum != 1.0 || it == m_extents.end())
        return set;
    const auto [lowest, highest] = it->second;
    if (!(lowest <= highest) || (lowest >= 0.0 && highest <= 1.0))
        return set;
    const double pad = (highest - lowest) * margin;
    kernel::AxisRange fitted;
    fitted.minimum = fromZero && lowest >= 0.0 ? 0.0 : lowest - pad;
    fitted.maximum = highest + pad;
    return fitted;
}

} // namespace kestrix::hostsim::render
