#pragma once

#include <QColor>

namespace kestrix::hostsim::render {

// The colours of a contour variable: a rainbow from blue at the variable's minimum through
// cyan, green and yellow to red at its maximum, at equal distances and linear in RGB between
// them. Values outside the range take the colour of the nearer end; an empty range is all
// green, the middle of the map.
class ColorMap {
public:
    ColorMap(double minimum, double maximum);

    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    QColor color(double value) const;
    // Where `value` lies in the range, 0 at the minimum and 1 at the maximum, clamped.
    double fraction(double value) const;

    // The colour at a fraction of the map (clamped to 0 to 1).
    static QColor colorAt(double fraction);

private:
    double m_minimum;
    double m_maximum;
};

} // namespace kestrix::hostsim::render
