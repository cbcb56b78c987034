#pragma once

#include <QRectF>

class QPainter;

namespace kestrix::hostsim::render {

class FieldPlotData;

// A 2-D field plot: axes over the frame's X and Y range at one scale for both, and the zones
// layer by layer, each layer over all zones before the next: fills (flood, shade, hidden-line
// background), contour lines, mesh, edges, vectors, scatter symbols, labels.
class FieldPlot2D {
public:
    static void paint(QPainter& painter, const QRectF& frameRect, FieldPlotData& data);
};

} // namespace kestrix::hostsim::render
