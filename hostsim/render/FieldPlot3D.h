#pragma once

#include <QRectF>

class QPainter;

namespace kestrix::hostsim::render {

class FieldPlotData;

// A 3-D field plot in the fixed view of FieldView3D, by the painter's algorithm: every cell
// of the plotted surfaces with its fill, contour lines and mesh outline, every edge, line,
// scatter symbol and vector, and every tiny zone's dot is one piece, and the pieces are drawn
// from the farthest to the nearest (lines a little before the surfaces they lie on). Fills
// are lit by the angle between the cell and the view where the look asks for lighting, and
// translucent where the map asks for it. Node and cell labels go on top, and a small triad
// shows the axes.
class FieldPlot3D {
public:
    static void paint(QPainter& painter, const QRectF& frameRect, FieldPlotData& data);
};

} // namespace kestrix::hostsim::render
