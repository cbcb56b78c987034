#include "FieldPalette.h"

#include "CartesianAxes.h"
#include "FieldFrameStyle.h"
#include "FrameSnapshot.h"

#include "hostsim/kernel/Scene.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kestrix::hostsim::render {

FieldPalette::FieldPalette(const FrameSnapshot& snapshot, const FieldFrameStyle& style)
    : m_snapshot(snapshot),
      m_style(style)
{
}

QColor FieldPalette::basic(int color)
{
    return QColor::fromRgb(FrameSnapshot::basicColorRgb(color));
}

int FieldPalette::groupOfColor(int color)
{
    switch (color) {
    case -1:
        return 1;
    case -3:
    case -4:
    case -5:
        return -color - 1;
    case -6:
        return 0;
    case -7:
    case -8:
    case -9:
    case -10:
        return -color - 2;
    default:
        return -1;
    }
}

int FieldPalette::groupVariable(int group) const
{
    if (group < 1 || group > 8)
        return 0;
    return m_style.contourVariable[static_cast<std::size_t>(group)];
}

int FieldPalette::rgbVariable(int channel) const
{
    if (channel < 0 || channel > 2)
        return 0;
    return m_style.rgbVariable[static_cast<std::size_t>(channel)];
}

std::optional<ColorMap> FieldPalette::variableMap(int variable) const
{
    if (variable < 1)
        return std::nullopt;
    const auto known = m_maps.find(variable);
    if (known != m_maps.end())
        return known->second;
    double minimum = std::numeric_limits<double>::infinity();
    double maximum = -std::numeric_limits<double>::infinity();
    for (int zone = 1; zone <= m_snapshot.frame().zoneCount(); ++zone) {
        const std::vector<double>* values = m_snapshot.values(zone, variable);
        if (!values)
            continue;
        for (double value : *values) {
            if (std::isfinite(value)) {
                minimum = std::min(minimum, value);
                maximum = std::max(maximum, value);
            }
        }
    }
    std::optional<ColorMap> map;
    if (minimum <= maximum)
        map = ColorMap(minimum, maximum);
    m_maps.emplace(variable, map);
    return map;
}

std::vector<double> FieldPalette::groupLevels(int group) const
{
    std::vector<double> levels;
    const std::optional<ColorMap> map = groupMap(group);
    if (!map)
        return levels;
    // Round values that the tick arithmetic leaves a hair inside the range are its ends.
    const double hair = (map->maximum() - map->minimum()) * 1e-9;
    for (double level : CartesianAxes::ticks(map->minimum(), map->maximum(), 10)) {
        if (level > map->minimum() + hair && level < map->maximum() - hair)
            levels.push_back(level);
    }
    return levels;
}

} // namespace kestrix::hostsim::render
