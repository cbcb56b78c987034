#pragma once

#include "FieldLineStyle.h"

#include <array>
#include <string>

namespace kestrix::hostsim::render {

class FrameSnapshot;
struct FieldFrameStyle;

// One field map's settings as the field tabs write them ("FIELDMAP" ...). A layer counts as
// shown only when the frame's layer switch and the map's own "SHOW" are both on; the settings
// of a layer that is not shown are not read, so that a frame of many maps reads little.
struct FieldMapStyle {
    // "MIN" and "MAX" count from the end when zero or negative (0 is the last index).
    struct IndexRange {
        long minimum = 1;
        long maximum = 0;
        long skip = 1;
    };

    static FieldMapStyle read(const FrameSnapshot& snapshot, int map, const FieldFrameStyle& frame, bool threeD);

    bool drawsAnything() const { return mesh || contour || vector || scatter || shade || edge; }

    bool mesh = false;
    int meshType = 0;
    FieldLineStyle meshLine;

    bool contour = false;
    int contourType = 1;
    int floodColoring = 1;
    int lineGroup = 1;
    FieldLineStyle contourLine;
    bool contourLighting = true;

    bool vector = false;
    int vectorType = 0;
    int arrowheadStyle = 0;
    FieldLineStyle vectorLine;

    bool scatter = false;
    bool scatterIsText = false;
    int scatterShape = 0;
    std::string scatterText;
    double scatterSize = 2.5;
    int scatterColor = 0;
    double scatterThickness = 0.1;
    int fillMode = 0;
    int fillColor = 1;

    bool shade = false;
    int shadeColor = 7;
    bool shadeLighting = true;

    bool edge = false;
    int edgeType = 0;
    FieldLineStyle edgeLine;
    // I, J and K: BorderLocation_e.
    std::array<int, 3> borders{3, 3, 3};

    int pointsToPlot = 0;
    std::array<long, 3> pointSkip{1, 1, 1};

    int surfacesToPlot = 0;
    std::array<IndexRange, 3> surfaceRanges;

    bool translucent = false;
    int translucency = 50;
};

} // namespace kestrix::hostsim::render
