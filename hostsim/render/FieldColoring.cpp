#include "FieldColoring.h"

#include "FieldPalette.h"
#include "FrameSnapshot.h"

#include <cmath>

namespace kestrix::hostsim::render {

FieldColoring FieldColoring::forColor(const FieldPalette& palette, const FrameSnapshot& snapshot, int zone, int color)
{
    const int group = FieldPalette::groupOfColor(color);
    if (group < 0) {
        FieldColoring coloring;
        coloring.m_uniform = FieldPalette::basic(color);
        return coloring;
    }
    FieldColoring coloring = forFlood(palette, snapshot, zone, group);
    if (!coloring.isValid()) {
        coloring = FieldColoring();
        coloring.m_uniform = Qt::black;
    }
    return coloring;
}

FieldColoring FieldColoring::forFlood(const FieldPalette& palette, const FrameSnapshot& snapshot, int zone,
                                      int coloring)
{
    FieldColoring result;
    const bool rgb = coloring == 0;
    result.m_channels = rgb ? 3 : 1;
    for (int channel = 0; channel < result.m_channels; ++channel) {
        const int variable = rgb ? palette.rgbVariable(channel) : palette.groupVariable(coloring);
        const auto c = static_cast<std::size_t>(channel);
        result.m_values[c] = snapshot.values(zone, variable);
        result.m_maps[c] = palette.variableMap(variable);
        if (!result.m_values[c] || !result.m_maps[c])
            result.m_valid = false;
    }
    return result;
}

QColor FieldColoring::colorOf(const double* values) const
{
    if (m_channels == 1)
        return m_maps[0]->color(values[0]);
    const auto level = [&](int channel) {
        return static_cast<int>(
            std::lround(255.0 * m_maps[static_cast<std::size_t>(channel)]->fraction(values[channel])));
    };
    return QColor(level(0), level(1), level(2));
}

QColor FieldColoring::at(long node) const
{
    if (m_channels == 0 || !m_valid)
        return m_uniform;
    double values[3] = {0.0, 0.0, 0.0};
    for (int channel = 0; channel < m_channels; ++channel)
        values[channel] = (*m_values[static_cast<std::size_t>(channel)])[static_cast<std::size_t>(node)];
    return colorOf(values);
}

QColor FieldColoring::blend(const long* nodes, const double* weights, int count) const
{
    if (m_channels == 0 || !m_valid)
        return m_uniform;
    double values[3] = {0.0, 0.0, 0.0};
    for (int channel = 0; channel < m_channels; ++channel) {
        const std::vector<double>& source = *m_values[static_cast<std::size_t>(channel)];
        for (int n = 0; n < count; ++n)
            values[channel] += weights[n] * source[static_cast<std::size_t>(nodes[n])];
    }
    return colorOf(values);
}

} // namespace kestrix::hostsim::render
