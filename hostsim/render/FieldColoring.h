#pragma once

#include "ColorMap.h"

#include <QColor>

#include <array>
#include <optional>
#include <vector>

namespace kestrix::hostsim::render {

class FieldPalette;
class FrameSnapshot;

// The colour of one zone's nodes under a colour setting: one basic colour for every node, a
// contour group's colour map over the node values of its variable (a multi-colour index or a
// flood by group), or the RGB channels' variables mixed into red, green and blue.
class FieldColoring {
public:
    // A layer's colour index. A multi-colour or RGB index whose variables the zone lacks
    // colours black.
    static FieldColoring forColor(const FieldPalette& palette, const FrameSnapshot& snapshot, int zone, int color);
    // A flood ("FLOODCOLORING": 1 to 8 a contour group, 0 RGB); invalid when the zone lacks
    // the values it needs.
    static FieldColoring forFlood(const FieldPalette& palette, const FrameSnapshot& snapshot, int zone, int coloring);

    bool isValid() const { return m_valid; }
    bool isUniform() const { return m_channels == 0; }
    QColor uniform() const { return m_uniform; }
    QColor at(long node) const;
    // The colour of a point between nodes: their values weighted, then coloured.
    QColor blend(const long* nodes, const double* weights, int count) const;

private:
    FieldColoring() = default;
    QColor colorOf(const double* values) const;

    bool m_valid = true;
    QColor m_uniform = Qt::black;
    // One channel for a group's variable, three for RGB.
    int m_channels = 0;
    std::array<const std::vector<double>*, 3> m_values{};
    std::array<std::optional<ColorMap>, 3> m_maps;
};

} // namespace kestrix::hostsim::render
