#pragma once

#include <QPointF>
#include <QString>

class QPainter;

namespace kestrix::hostsim::render {

// A scatter symbol of a geometric shape ("GEOMSHAPE") or a text, centred on a point, drawn
// with the painter's pen and brush. A text takes the pen's colour and `size` as its pixel
// height; cube, sphere and octahedron draw as their outlines: square, circle and diamond.
class FieldSymbol {
public:
    static void paintShape(QPainter& painter, const QPointF& at, double size, int shape);
    static void paintText(QPainter& painter, const QPointF& at, double size, const QString& text);
};

} // namespace kestrix::hostsim::render
