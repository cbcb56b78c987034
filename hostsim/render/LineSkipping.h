#pragma once

#include <QPointF>

#include <cstddef>
#include <vector>

namespace kestrix::hostsim::render {

// Which points of a line get a symbol, an error bar or a label: every n-th by index, or those
// at least a distance (percent of the frame's height) from the last one taken.
class LineSkipping {
public:
    // `mode` 0 skips by index (`skipping` 0 or 1 takes every point), 1 by distance (0 takes
    // every point). Points with undefined positions are never taken.
    static std::vector<std::size_t> select(const std::vector<QPointF>& positions, int mode, double skipping,
                                           double frameHeight);
};

} // namespace kestrix::hostsim::render
