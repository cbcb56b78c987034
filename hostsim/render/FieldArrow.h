#pragma once

#include <QPointF>

class QPainter;

namespace kestrix::hostsim::render {

// A vector's arrow at its point, drawn with the painter's pen: the tail, head or middle at
// the point, or only the head ("VECTORTYPE"); a head of two strokes, filled or hollow
// ("ARROWHEADSTYLE"), a third of the arrow long.
class FieldArrow {
public:
    static void paint(QPainter& painter, const QPointF& at, const QPointF& vector, int type, int headStyle);
};

} // namespace kestrix::hostsim::render
