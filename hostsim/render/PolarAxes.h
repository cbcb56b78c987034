#pragma once

#include "LineProjection.h"

namespace kestrix::hostsim::render {

// The axes of a polar line plot: a circular plot area with theta in degrees, counterclockwise
// from the right, and the radius growing from the centre to the rim. The grid is drawn under
// the data: circles at round radii, spokes every 30 degrees, each labelled.
class PolarAxes : public LineProjection {
public:
    // An empty or reversed radius range is widened around its value.
    PolarAxes(const QRectF& frameRect, double radiusMinimum, double radiusMaximum);

    QPointF center() const { return m_center; }
    // The rim's radius in pixels.
    double radius() const { return m_radius; }

    void paintGrid(QPainter& painter) const;
    void paintRim(QPainter& painter) const;

    QPointF map(double theta, double r) const override;
    int pieces(const QPointF& from, const QPointF& to) const override;
    QPointF barFoot(double theta, double r, bool horizontal) const override;
    void clip(QPainter& painter) const override;
    LineClipArea lineArea() const override;
    bool contains(const QPointF& point) const override;
    QRectF bounds() const override;
    double pixelsPerGridUnit() const override;

private:
    QPointF m_center;
    double m_radius = 1.0;
    double m_radiusMinimum = 0.0;
    double m_radiusMaximum = 1.0;
};

} // namespace kestrix::hostsim::render
