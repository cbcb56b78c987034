#pragma once

#include "ColorMap.h"

#include <QColor>

#include <map>
#include <optional>
#include <vector>

namespace kestrix::hostsim::render {

class FrameSnapshot;
struct FieldFrameStyle;

// The colours of a field plot: the basic colours, and the colour maps and contour levels of
// the contour groups and RGB channels. A variable's colour map spans its values over every
// zone of the frame, so that hiding a map changes no other map's colours.
class FieldPalette {
public:
    FieldPalette(const FrameSnapshot& snapshot, const FieldFrameStyle& style);

    // A basic colour (0 to 63); black for any other index.
    static QColor basic(int color);
    // The contour group (1 to 8) that a multi-colour index stands for (-1, -3 to -5, -7 to
    // -10), 0 for the RGB index (-6), and -1 for a basic colour.
    static int groupOfColor(int color);

    int groupVariable(int group) const;
    int rgbVariable(int channel) const;
    // The colour map of a variable over the frame's values; nothing when no zone has them.
    std::optional<ColorMap> variableMap(int variable) const;
    std::optional<ColorMap> groupMap(int group) const { return variableMap(groupVariable(group)); }
    // Evenly spaced round values strictly inside the range of a group's variable.
    std::vector<double> groupLevels(int group) const;

private:
    const FrameSnapshot& m_snapshot;
    const FieldFrameStyle& m_style;
    mutable std::map<int, std::optional<ColorMap>> m_maps;
};

} // namespace kestrix::hostsim::render
