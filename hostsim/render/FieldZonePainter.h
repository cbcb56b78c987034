#pragma once

#include "FieldCell.h"
#include "FieldPoints.h"

#include <QColor>
#include <QPointF>
#include <QRectF>

#include <array>
#include <vector>

class QPainter;
class QPen;

namespace kestrix::hostsim::render {

class FieldColoring;
class FieldView;
class FieldZone;
struct FieldZoneLook;

// Draws the pieces of one zone's layers once the zone is projected: a cell's fill (flood,
// shade or hidden-line background), its contour lines and its mesh outline, the mesh lines
// of a whole zone, segments between nodes, scatter symbols and vectors at points, and the dot
// that stands for a tiny zone. Scatter symbols go at most one to a pixel, and so do vectors.
class FieldZonePainter {
public:
    FieldZonePainter(QPainter& painter, const QRectF& frameRect, double pixelsPerPercent);

    // `light` darkens the fill (1 leaves it as it is), where the look asks for lighting.
    void fillCell(const FieldZone& zone, const FieldZoneLook& look, const FieldCell& cell, double light);
    void cellContours(const FieldZone& zone, const FieldZoneLook& look, const FieldCell& cell);
    void cellOutline(const FieldZone& zone, const FieldZoneLook& look, const FieldCell& cell);
    // The grid lines of a zone's planes (at their strides) and the edges of its faces, each
    // once; the nodes when the zone has neither.
    void meshLines(const FieldZone& zone, const FieldZoneLook& look);
    // The pieces of the zone's planes that are lines or points, as node pairs (a point pairs
    // a node with itself).
    static std::vector<std::array<long, 2>> lineSegments(const FieldZone& zone);
    void segments(const FieldZone& zone, const QPen& pen, const FieldColoring& coloring,
                  const std::vector<std::array<long, 2>>& segments);
    void symbol(const FieldZone& zone, const FieldZoneLook& look, const FieldPoint& point);
    // `velocity` holds the zone's U, V and W values (W may be null); `scale` turns a velocity
    // into a data length.
    void vector(const FieldZone& zone, const FieldZoneLook& look, const FieldPoint& point, const FieldView& view,
                const std::array<const std::vector<double>*, 3>& velocity, double scale);
    void dot(const FieldZone& zone, const FieldZoneLook& look);

private:
    QPointF centre(const FieldZone& zone, const FieldPoint& point) const;
    // Takes the pixel at `at` in one layer's record of the pixels used; false when it is
    // taken or outside the frame.
    bool claim(std::vector<bool>& taken, const QPointF& at) const;
    void flatFill(const QPointF* corners, int count, QColor color, int opacity);
    void smoothFlood(const FieldZone& zone, const FieldZoneLook& look, const FieldCell& cell, double light);

    QPainter& m_painter;
    QRectF m_frameRect;
    double m_pixelsPerPercent;
    std::vector<bool> m_symbolPixels;
    std::vector<bool> m_vectorPixels;
    int m_columns = 0;
    int m_rows = 0;
};

} // namespace kestrix::hostsim::render
