#pragma once

namespace kestrix::hostsim::render {

class FrameSnapshot;

// What a line map plots: its zone, the variables along x and y, the axes it is drawn on, the
// order of its points and which variable is the independent one.
class LineMapAssignment {
public:
    static LineMapAssignment read(const FrameSnapshot& snapshot, int map);

    int map = 0;
    int zone = 1;
    int xVariable = 1;
    int yVariable = 2;
    int xAxis = 1;
    int yAxis = 1;
    int sort = 0;
    int sortVariable = 0;
    // y is the independent variable: fits give x as a function of y, and bars lie along x.
    bool yIndependent = false;
};

} // namespace kestrix::hostsim::render
