#pragma once

#include <array>
#include <vector>

namespace kestrix::hostsim::render {

// A structured piece of an ordered zone: countA by countB nodes, node (a, b) being the zone's
// node first + a * strideA + b * strideB (0-based). One count of 1 makes it a line, both a
// point.
struct SurfacePlane {
    long first = 0;
    long strideA = 1;
    long strideB = 0;
    long countA = 1;
    long countB = 1;

    long node(long a, long b) const { return first + a * strideA + b * strideB; }
    bool hasCells() const { return countA > 1 && countB > 1; }
};

// What of one zone is drawn as surfaces: planes of an ordered zone, or the faces of a
// finite-element zone as node numbers (0-based; a triangle repeats its last node).
struct SurfaceSet {
    std::vector<SurfacePlane> planes;
    std::vector<std::array<int, 4>> faces;
};

} // namespace kestrix::hostsim::render
