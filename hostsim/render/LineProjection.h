#pragma once

#include "LineClipArea.h"

#include <QPointF>
#include <QRectF>

class QPainter;

namespace kestrix::hostsim::render {

// How a line plot places data in its picture: x–y axes or a polar plot. The painters of the
// maps' layers draw through it and need not know which.
class LineProjection {
public:
    virtual ~LineProjection() = default;

    // Where the data point (x, y) lies in the picture.
    virtual QPointF map(double x, double y) const = 0;
    // How many straight pieces the picture of the data segment `from`–`to` needs to follow the
    // plot's geometry; 1 where data segments stay straight.
    virtual int pieces(const QPointF& from, const QPointF& to) const = 0;
    // The data point where a bar to (x, y) starts: on the axis the bars stand on.
    virtual QPointF barFoot(double x, double y, bool horizontal) const = 0;
    // Restricts the painter to the plot area, or to the rectangle around it where lines are cut
    // to the area before they are drawn.
    virtual void clip(QPainter& painter) const = 0;
    // The area lines are cut to before they are drawn.
    virtual LineClipArea lineArea() const = 0;
    // Whether a picture point lies in the plot area: only such points get symbols and labels.
    virtual bool contains(const QPointF& point) const = 0;
    // The rectangle around the plot area.
    virtual QRectF bounds() const = 0;
    // Pixels per data unit along y (the radius in polar plots), for sizes given in grid units.
    virtual double pixelsPerGridUnit() const = 0;
};

} // namespace kestrix::hostsim::render
