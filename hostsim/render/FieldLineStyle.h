#pragma once

namespace kestrix::hostsim::render {

// How a line of a field layer is drawn: its colour index, pattern ("LINEPATTERN"), pattern
// length and thickness, both in percent of the frame's height.
struct FieldLineStyle {
    int color = 0;
    int pattern = 0;
    double patternLength = 2.0;
    double thickness = 0.1;
};

} // namespace kestrix::hostsim::render
