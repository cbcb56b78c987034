#pragma once

#include <QRectF>

class QPainter;

namespace kestrix::hostsim::render {

class FrameSnapshot;

// The plot of an x–y or polar line frame: every active line map with its lines, curves,
// symbols, error bars and bars, the axes, the legend and the point labels.
class LinePlotPainter {
public:
    static void paint(QPainter& painter, const QRectF& frameRect, const FrameSnapshot& snapshot);
};

} // namespace kestrix::hostsim::render
