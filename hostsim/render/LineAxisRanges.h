#pragma once

#include "hostsim/kernel/Scene.h"

#include <map>
#include <utility>
#include <vector>

namespace kestrix::hostsim::render {

class FrameSnapshot;
class LineMapAssignment;

// The ranges a line frame's axes show: as the frame sets them, except that an axis left at
// its default 0 to 1 while the data of its maps lie outside is fitted to that data, so that a
// scene without axis ranges still shows its lines.
class LineAxisRanges {
public:
    LineAxisRanges(const FrameSnapshot& snapshot, const std::vector<LineMapAssignment>& maps);

    // A fitted range has a margin of a twentieth of the data's extent at both ends; with
    // `fromZero` it starts at zero when the data are not negative (the radius of polar plots).
    kernel::AxisRange range(char axis, int number, bool fromZero = false) const;

private:
    const FrameSnapshot& m_snapshot;
    std::map<std::pair<char, int>, std::pair<double, double>> m_extents;
};

} // namespace kestrix::hostsim::render
