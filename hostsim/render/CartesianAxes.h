#pragma once

#include <QRectF>

#include <vector>

class QPainter;

namespace kestrix::hostsim::render {

// The axes of a frame drawn in two dimensions: where the plot area lies in the frame's
// picture, how data coordinates map into it, and the axis lines with their ticks and numbers.
class CartesianAxes {
public:
    // An empty or reversed range is widened around its value.
    CartesianAxes(const QRectF& frameRect, double xMinimum, double xMaximum, double yMinimum, double yMaximum);

    QRectF plotRect() const { return m_plotRect; }
    double xMinimum() const { return m_xMinimum; }
    double xMaximum() const { return m_xMaximum; }
    double yMinimum() const { return m_yMinimum; }
    double yMaximum() const { return m_yMaximum; }
    QPointF map(double x, double y) const;

    // The box of the plot area, with ticks and numbers at round values along both axes.
    void paint(QPainter& painter) const;

    // Round values from `minimum` to `maximum`, about `approximateCount` of them.
    static std::vector<double> ticks(double minimum, double maximum, int approximateCount);

private:
    QRectF m_plotRect;
    double m_xMinimum;
    double m_xMaximum;
    double m_yMinimum;
    double m_yMaximum;
};

} // namespace kestrix::hostsim::render
