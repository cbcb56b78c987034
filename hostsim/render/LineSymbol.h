#pragma once

#include "LineMapStyle.h"

#include <QBrush>
#include <QPainterPath>
#include <QPen>

class QPainter;

namespace kestrix::hostsim::render {

// A map's symbol, prepared once and stamped at every point that shows one: a geometric shape
// outlined and filled as the map says, or a character.
class LineSymbol {
public:
    LineSymbol(const LineMapStyle& style, double frameHeight);

    void paint(QPainter& painter, const QPointF& at) const;

private:
    void buildShape(int shape);
    void buildCharacter(const LineMapStyle::Symbols& symbols);

    double m_size = 1.0;
    QPainterPath m_outline;
    // Edges inside the outline (cube and octahedron), drawn without fill.
    QPainterPath m_edges;
    QPen m_pen;
    QBrush m_brush;
};

} // namespace kestrix::hostsim::render
