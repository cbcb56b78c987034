#pragma once

namespace kestrix::hostsim::render {

// One point of a line map in data coordinates, with the zone node it comes from (0-based), so
// that error values and labels can be looked up for it.
struct LinePoint {
    double x = 0.0;
    double y = 0.0;
    long node = 0;
};

} // namespace kestrix::hostsim::render
