#pragma once

#include <QRectF>

class QPainter;

namespace kestrix::hostsim::render {

class FrameSnapshot;

// The plot of a 2-D or 3-D field frame: the active field maps' zones with their layers
// (mesh, contour, vectors, scatter, shade, edges), and the node and cell labels.
class FieldPlotPainter {
public:
    static void paint(QPainter& painter, const QRectF& frameRect, const FrameSnapshot& snapshot);
};

} // namespace kestrix::hostsim::render
