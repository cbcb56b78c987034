#pragma once

#include "ColorMap.h"
#include "FieldColoring.h"

#include <QColor>
#include <QPen>

#include <optional>
#include <vector>

namespace kestrix::hostsim::render {

class FieldPalette;
class FieldZone;
class FrameSnapshot;

// How one zone's layers look, resolved once for the zone: the colourings and pens of its
// lines, the flood and the shade (a multi-colour shade colours each cell by its nodes' mean),
// the contour lines' variable and levels, and the colour that stands for the zone when it is
// drawn as a dot.
struct FieldZoneLook {
    static FieldZoneLook make(const FieldZone& zone, const FieldPalette& palette, const FrameSnapshot& snapshot,
                              double pixelsPerPercent, bool lighting);

    // Whether the cells are filled: by a flood, a shade, or the background of a hidden-line mesh.
    bool fillsCells() const { return flood.has_value() || shade.has_value() || hiddenLine; }

    // Contour shown with a flood type whose values the zone has.
    std::optional<FieldColoring> flood;
    int contourType = 1;
    std::optional<FieldColoring> shade;
    bool hiddenLine = false;
    bool floodLighting = false;
    bool shadeLighting = false;
    // Fill opacity, 0 to 255.
    int opacity = 255;

    std::optional<FieldColoring> mesh;
    QPen meshPen;
    // Contour lines: the values of the lines' group variable in this zone, its levels and
    // colour map, and the colouring that a multi-colour line colour asks for.
    const std::vector<double>* lineValues = nullptr;
    std::vector<double> levels;
    std::optional<ColorMap> lineMap;
    bool linesByLevel = false;
    std::optional<FieldColoring> contourLine;
    QPen contourPen;
    std::optional<FieldColoring> vector;
    QPen vectorPen;
    std::optional<FieldColoring> scatter;
    QPen scatterPen;
    std::optional<FieldColoring> edge;
    QPen edgePen;

    // The colour of the zone drawn as a dot: its flood at its mean value, its shade, or the
    // colour of its first line layer; nothing when no layer of it is shown.
    std::optional<QColor> dot;
};

} // namespace kestrix::hostsim::render
