#pragma once

#include "LinePoint.h"

#include <QPointF>

#include <vector>

class QPainter;

namespace kestrix::hostsim::render {

class FrameSnapshot;
class LineMapAssignment;
class LineMapStyle;
class LineProjection;

// Draws one line map's layers through the plot's projection, bottom to top: bars, the line or
// curve, error bars, symbols.
class LineMapPainter {
public:
    LineMapPainter(QPainter& painter, const FrameSnapshot& snapshot, double frameHeight);

    void paint(const LineMapAssignment& assignment, const LineMapStyle& style, const LineProjection& projection) const;

private:
    void paintBars(const std::vector<LinePoint>& line, bool horizontal, const LineMapStyle& style,
                   const LineProjection& projection) const;
    void paintLine(const std::vector<LinePoint>& line, const LineMapAssignment& assignment, const LineMapStyle& style,
                   const LineProjection& projection) const;
    void paintErrorBars(const std::vector<LinePoint>& line, const std::vector<QPointF>& positions,
                        const LineMapAssignment& assignment, const LineMapStyle& style,
                        const LineProjection& projection) const;
    void paintSymbols(const std::vector<QPointF>& positions, const LineMapStyle& style,
                      const LineProjection& projection) const;

    QPainter& m_painter;
    const FrameSnapshot& m_snapshot;
    double m_frameHeight;
};

} // namespace kestrix::hostsim::render
