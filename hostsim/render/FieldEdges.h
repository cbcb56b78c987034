#pragma once

#include <array>
#include <vector>

namespace kestrix::hostsim::render {

class FieldZone;

// The lines of a zone's edge layer, as pairs of node numbers. Borders ("EDGETYPE" 0 or 2):
// for an ordered zone its outline along the minimum and maximum of each index that
// "IBORDER", "JBORDER" and "KBORDER" select (for a volume zone the box's edges, each needing
// both of its indices selected); for a finite-element surface zone the element edges that
// only one element has. Creases (1 or 2, three-dimensional plots only): edges where the
// plotted surfaces fold by more than 45 degrees.
class FieldEdges {
public:
    static std::vector<std::array<long, 2>> segments(const FieldZone& zone, bool threeD);
};

} // namespace kestrix::hostsim::render
