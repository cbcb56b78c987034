#pragma once

#include <array>

namespace kestrix::hostsim::render {

class FrameSnapshot;

// The frame's settings of a field plot: which layers are on ("FIELDLAYERS"), the variables
// of the contour groups ("GLOBALCONTOUR" "VAR") and of the RGB channels ("GLOBALRGB").
struct FieldFrameStyle {
    static FieldFrameStyle read(const FrameSnapshot& snapshot);

    bool showMesh = true;
    bool showContour = false;
    bool showVector = false;
    bool showScatter = false;
    bool showShade = false;
    bool showEdge = true;
    bool useLighting = true;
    bool useTranslucency = true;
    // Indexed by the group, 1 to 8; 0 where a group names no variable.
    std::array<int, 9> contourVariable{};
    // Red, green and blue; 0 where a channel names no variable.
    std::array<int, 3> rgbVariable{};
};

} // namespace kestrix::hostsim::render
