#include "CartesianAxes.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kestrix::hostsim::render {

namespace {

void widen(double& minimum, double& maximum)
{
    if (!std::isfinite(minimum) || !std::isfinite(maximum)) {
        minimum = 0.0;
        maximum = 1.0;
    }
    if (minimum > maximum)
        std::swap(minimum, maximum);
    if (maximum - minimum <= 0.0) {
        const double margin = std::max(std::abs(minimum) * 0.5, 0.5);
        minimum -= margin;
        maximum += margin;
    }
}

QString tickText(double value, double step)
{
    // Rounding noise of the tick arithmetic ("1e-17" for zero) is not a number to show.
    if (std::abs(value) < step * 1e-9)
        value = 0.0;
    return QString::number(value, 'g', 6);
}

} // namespace

CartesianAxes::CartesianAxes(const QRectF& frameRect, double xMinimum, double xMaximum, double yMinimum,
                             double yMaximum)
    : m_xMinimum(xMinimum),
      m_xMaximum(xMaximum),
      m_yMinimum(yMinimum),
      m_yMaximum(yMaximum)
{
    widen(m_xMinimum, m_xMaximum);
    widen(m_yMinimum, m_yMaximum);
    // Room for the numbers left of and below the axes, in proportion to the frame.
    const double left = std::max(40.0, frameRect.width() * 0.1);
    const double bottom = std::max(28.0, frameRect.height() * 0.1);
    const double margin = std::max(10.0, std::min(frameRect.width(), frameRect.height()) * 0.05);
    m_plotRect = frameRect.adjusted(left, margin, -margin, -bottom);
}

QPointF CartesianAxes::map(double x, double y) const
{
    const double u = (x - m_xMinimum) / (m_xMaximum - m_xMinimum);
    const double v = (y - m_yMinimum) / (m_yMaximum - m_yMinimum);
    return {m_plotRect.left() + u * m_plotRect.width(), m_plotRect.bottom() - v * m_plotRect.height()};
}

std::vector<double> CartesianAxes::ticks(double minimum, double maximum, int approximateCount)
{
    std::vector<double> result;
    const double span = maximum - minimum;
    if (!(span > 0.0) || !std::isfinite(span) || approximateCount < 1)
        return result;
    const double rough = span / approximateCount;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    double step = magnitude;
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * magnitude;
        if (step >= rough)
            break;
    }
    // Multiples of the step, not a running sum: a sum drifts off the round values.
    const double first = std::ceil(minimum / step - 1e-9);
    for (double multiple = first; multiple * step <= maximum + step * 1e-9; multiple += 1.0)
        result.push_back(multiple * step);
    return result;
}

void CartesianAxes::paint(QPainter& painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(m_plotRect);
    const QFontMetricsF metrics(painter.font());
    const double tickLength = 5.0;
    const std::vector<double> xTicks = ticks(m_xMinimum, m_xMaximum, 6);
    const double xStep = xTicks.size() > 1 ? xTicks[1] - xTicks[0] : 1.0;
    for (double x : xTicks) {
        const QPointF at = map(x, m_yMinimum);
        painter.drawLine(at, at - QPointF(0.0, tickLength));
        const QString text = tickText(x, xStep);
        painter.drawText(QPointF(at.x() - metrics.horizontalAdvance(text) / 2.0, at.y() + metrics.ascent() + 3.0),
                         text);
    }
    const std::vector<double> yTicks = ticks(m_yMinimum, m_yMaximum, 5);
    const double yStep = yTicks.size() > 1 ? yTicks[1] - yTicks[0] : 1.0;
    for (double y : yTicks) {
        const QPointF at = map(m_xMinimum, y);
        painter.drawLine(at, at + QPointF(tickLength, 0.0));
        const QString text = tickText(y, yStep);
        painter.drawText(QPointF(at.x() - metrics.horizontalAdvance(text) - 4.0, at.y() + metrics.ascent() / 2.0 - 1.0),
                         text);
    }
    painter.restore();
}

} // namespace kestrix::hostsim::render
