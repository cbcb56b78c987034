#pragma once

#include "LinePoint.h"

#include <vector>

namespace kestrix::hostsim::render {

class FrameSnapshot;
class LineMapAssignment;

// The points a line map draws, in data coordinates: one line per I-, J- or K-line of its zone
// within the map's index ranges ("LINEMAP" "INDICES"), each in the map's sort order.
class LineMapPoints {
public:
    static std::vector<std::vector<LinePoint>> lines(const FrameSnapshot& snapshot,
                                                     const LineMapAssignment& assignment);

    // An index range's zero-based first and last index and step along a dimension of `count`
    // indices; first > last when the range holds no index.
    struct Span {
        long first = 0;
        long last = -1;
        long step = 1;
    };
    // Zero and negative bounds count from the end (0 is the last index, -1 the one before);
    // bounds beyond the dimension are brought back into it.
    static Span span(long minimum, long maximum, long skip, long count);
};

} // namespace kestrix::hostsim::render
