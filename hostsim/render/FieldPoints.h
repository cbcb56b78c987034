#pragma once

#include <vector>

namespace kestrix::hostsim::render {

class FieldZone;

// A place where a scatter symbol, a vector or a label sits: one node, or the centre of a cell
// as the mean of its corner nodes (0-based node numbers). `index` is the node's or the cell's
// own number (0-based).
struct FieldPoint {
    long nodes[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    int count = 1;
    long index = 0;
};

// The places that "POINTS" "POINTSTOPLOT" selects in a zone: the nodes of its plotted
// surfaces, all nodes, the centres of its plotted cells or of all cells, or the nodes that
// elements use, thinned by "IJKSKIP" (every I-th, J-th and K-th index of an ordered zone;
// every I-th node or element of a finite-element zone).
class FieldPoints {
public:
    static std::vector<FieldPoint> select(const FieldZone& zone);
    // Every `skip`-th node (by number) of the plotted surfaces, or of the zone when it has no
    // cells.
    static std::vector<FieldPoint> surfaceNodes(const FieldZone& zone, long skip);
    // Every `skip`-th cell (by number) of the whole zone: I fastest for ordered zones, the
    // elements of finite-element zones.
    static std::vector<FieldPoint> cells(const FieldZone& zone, long skip);
};

} // namespace kestrix::hostsim::render
