#pragma once

namespace kestrix::hostsim::render {

// One cell of a zone's plotted surfaces, as the zone's node numbers (0-based) in order round
// it: three for a triangle, four for a quadrilateral.
struct FieldCell {
    long nodes[4] = {0, 0, 0, 0};
    int count = 4;
};

} // namespace kestrix::hostsim::render
