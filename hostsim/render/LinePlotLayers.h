#pragma once

namespace kestrix::hostsim::render {

class FrameSnapshot;

// Which layers of a line frame are switched on; a map draws a layer only when both the frame's
// layer and the map's own setting are on.
class LinePlotLayers {
public:
    static LinePlotLayers read(const FrameSnapshot& snapshot);

    bool lines = true;
    bool symbols = false;
    bool errorBars = false;
    bool barCharts = false;
};

} // namespace kestrix::hostsim::render
