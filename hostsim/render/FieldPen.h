#pragma once

#include <QColor>
#include <QPen>

namespace kestrix::hostsim::render {

struct FieldLineStyle;

// The pen of a field layer's lines. Thickness and pattern length are percent of the frame's
// height; a line is at least one pixel wide, so that thin lines stay visible on screen.
class FieldPen {
public:
    static QPen make(const QColor& color, const FieldLineStyle& style, double pixelsPerPercent);
    static double width(double thickness, double pixelsPerPercent);
};

} // namespace kestrix::hostsim::render
