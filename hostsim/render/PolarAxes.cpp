#include "PolarAxes.h"

#include "CartesianAxes.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kestrix::hostsim::render {

namespace {

constexpr double degree = 3.14159265358979323846 / 180.0;
// Arcs are drawn as chords that stray from them by no more than this many pixels, which no
// reader can tell from the arc.
constexpr double chordError = 0.25;
constexpr int spokeStep = 30;

} // namespace

PolarAxes::PolarAxes(const QRectF& frameRect, double radiusMinimum, double radiusMaximum)
    : m_radiusMinimum(radiusMinimum),
      m_radiusMaximum(radiusMaximum)
{
    if (!std::isfinite(m_radiusMinimum) || !std::isfinite(m_radiusMaximum)) {
        m_radiusMinimum = 0.0;
        m_radiusMaximum = 1.0;
    }
    if (m_radiusMinimum > m_radiusMaximum)
        std::swap(m_radiusMinimum, m_radiusMaximum);
    if (m_radiusMaximum - m_radiusMinimum <= 0.0) {
        const double margin = std::max(std::abs(m_radiusMinimum) * 0.5, 0.5);
        m_radiusMinimum -= margin;
        m_radiusMaximum += margin;
    }
    // Room around the rim for the angle labels, in proportion to the frame.
    const double side = std::min(frameRect.width(), frameRect.height());
    const double margin = std::max(28.0, side * 0.1);
    m_center = frameRect.center();
    m_radius = std::max(1.0, side / 2.0 - margin);
}

QPointF PolarAxes::map(double theta, double r) const
{
    const double distance = (r - m_radiusMinimum) / (m_radiusMaximum - m_radiusMinimum) * m_radius;
    const double angle = theta * degree;
    return {m_center.x() + distance * std::cos(angle), m_center.y() - distance * std::sin(angle)};
}

int PolarAxes::pieces(const QPointF& from, const QPointF& to) const
{
    const double sweep = std::abs(to.x() - from.x()) * degree;
    const double span = m_radiusMaximum - m_radiusMinimum;
    const double distance =
        std::max(std::abs(from.y() - m_radiusMinimum), std::abs(to.y() - m_radiusMinimum)) / span * m_radius;
    if (!std::isfinite(sweep) || !std::isfinite(distance) || sweep == 0.0)
        return 1;
    // A chord of angle a on a circle of radius d strays d·(1 - cos(a/2)) ≈ d·a²/8 from the arc.
    const double largestAngle = std::sqrt(8.0 * chordError / std::max(distance, chordError));
    return static_cast<int>(std::clamp(std::ceil(sweep / largestAngle), 1.0, 360.0));
}

QPointF PolarAxes::barFoot(double theta, double, bool) const
{
    return {theta, m_radiusMinimum};
}

void PolarAxes::clip(QPainter& painter) const
{
    // A round painter clip would slow every stroke down several times; lines are cut to the
    // circle instead, and symbols and labels only drawn for points inside it.
    painter.setClipRect(bounds().adjusted(-1.0, -1.0, 1.0, 1.0), Qt::IntersectClip);
}

LineClipArea PolarAxes::lineArea() const
{
    return LineClipArea::circle(m_center, m_radius);
}

bool PolarAxes::contains(const QPointF& point) const
{
    return lineArea().contains(point);
}

QRectF PolarAxes::bounds() const
{
    return {m_center.x() - m_radius, m_center.y() - m_radius, 2.0 * m_radius, 2.0 * m_radius};
}

double PolarAxes::pixelsPerGridUnit() const
{
    return m_radius / (m_radiusMaximum - m_radiusMinimum);
}

void PolarAxes::paintGrid(QPainter& painter) const
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    const QFontMetricsF metrics(painter.font());
    painter.setPen(QPen(QColor(200, 200, 200), 1.0));
    const std::vector<double> radii = CartesianAxes::ticks(m_radiusMinimum, m_radiusMaximum, 4);
    for (double r : radii) {
        const double distance = (r - m_radiusMinimum) / (m_radiusMaximum - m_radiusMinimum) * m_radius;
        if (distance > 0.5 && distance < m_radius - 0.5)
            painter.drawEllipse(m_center, distance, distance);
    }
    for (int angle = 0; angle < 360; angle += spokeStep)
        painter.drawLine(m_center, map(angle, m_radiusMaximum));

    painter.setPen(Qt::black);
    const double step = radii.size() > 1 ? radii[1] - radii[0] : 1.0;
    for (double r : radii) {
        const QString text = QString::number(std::abs(r) < step * 1e-9 ? 0.0 : r, 'g', 6);
        const QPointF at = map(0.0, r);
        painter.drawText(QPointF(at.x() - metrics.horizontalAdvance(text) / 2.0, at.y() + metrics.ascent() + 2.0),
                         text);
    }
    for (int angle = 0; angle < 360; angle += spokeStep) {
        const QString text = QString::number(angle) + QChar(0x00B0);
        const double gap = metrics.height() * 0.8;
        const QPointF direction(std::cos(angle * degree), -std::sin(angle * degree));
        const QPointF at = m_center + direction * (m_radius + gap);
        const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
        painter.drawText(QRectF(at - QPointF(size.width() / 2.0, size.height() / 2.0), size), Qt::AlignCenter, text);
    }
    painter.restore();
}

void PolarAxes::paintRim(QPainter& painter) const
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawEllipse(m_center, m_radius, m_radius);
    painter.restore();
}

} // namespace kestrix::hostsim::render
