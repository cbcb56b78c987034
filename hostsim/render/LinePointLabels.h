#pragma once

#include "LineLabelFormat.h"

#include <QFont>

class QPainter;

namespace kestrix::hostsim::render {

class FrameSnapshot;
class LineMapAssignment;
class LineProjection;
struct LinePoint;

// The labels of a line frame's points ("GLOBALLINEPLOT" "DATALABELS"): each label shows the
// point's index, its dependent value or both coordinates, above the point, in the frame's
// label colour or the map's line colour, optionally boxed.
class LinePointLabels {
public:
    // `plot` is the projection of the first axes: text heights in grid units and axis percent
    // are measured on it.
    LinePointLabels(const FrameSnapshot& snapshot, double frameHeight, const LineProjection& plot);

    bool isShown() const { return m_shown; }
    // The text height in pixels.
    double textHeight() const { return m_textHeight; }
    void paint(QPainter& painter, const LineMapAssignment& assignment, const LineProjection& projection) const;

private:
    QString text(const LinePoint& point, const LineMapAssignment& assignment) const;

    const FrameSnapshot& m_snapshot;
    double m_frameHeight;
    bool m_shown = false;
    int m_type = 0;
    int m_skipMode = 0;
    double m_skipping = 1.0;
    bool m_box = false;
    bool m_colorByMap = false;
    // A colour setting, resolved for each map (multi-colours differ from map to map).
    int m_color = 0;
    double m_textHeight = 11.0;
    QFont m_font;
    LineLabelFormat m_format;
};

} // namespace kestrix::hostsim::render
