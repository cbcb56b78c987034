#include "LineClipArea.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace kestrix::hostsim::render {

namespace {

LineClipArea::Cut between(const QPointF& from, const QPointF& to, double enter, double leave)
{
    const QPointF direction = to - from;
    LineClipArea::Cut result;
    result.fromMoved = enter > 0.0;
    result.toMoved = leave < 1.0;
    result.from = result.fromMoved ? from + enter * direction : from;
    result.to = result.toMoved ? from + leave * direction : to;
    return result;
}

} // namespace

LineClipArea LineClipArea::rectangle(const QRectF& rectangle)
{
    LineClipArea area;
    area.m_rectangle = rectangle;
    return area;
}

LineClipArea LineClipArea::circle(const QPointF& center, double radius)
{
    LineClipArea area;
    area.m_isCircle = true;
    area.m_center = center;
    area.m_radius = radius;
    return area;
}

bool LineClipArea::contains(const QPointF& point) const
{
    if (!m_isCircle)
        return m_rectangle.contains(point);
    const QPointF offset = point - m_center;
    return offset.x() * offset.x() + offset.y() * offset.y() <= m_radius * m_radius;
}

std::optional<LineClipArea::Cut> LineClipArea::cut(const QPointF& from, const QPointF& to) const
{
    if (contains(from) && contains(to))
        return Cut{from, to, false, false};
    return m_isCircle ? cutCircle(from, to) : cutRectangle(from, to);
}

// Liang–Barsky: the segment's parameter range inside each pair of edges.
std::optional<LineClipArea::Cut> LineClipArea::cutRectangle(const QPointF& from, const QPointF& to) const
{
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    double enter = 0.0;
    double leave = 1.0;
    const std::array<std::pair<double, double>, 4> edges = {{{-dx, from.x() - m_rectangle.left()},
                                                             {dx, m_rectangle.right() - from.x()},
                                                             {-dy, from.y() - m_rectangle.top()},
                                                             {dy, m_rectangle.bottom() - from.y()}}};
    for (const auto& [p, q] : edges) {
        if (p == 0.0) {
            if (q < 0.0)
                return std::nullopt;
            continue;
        }
        const double t = q / p;
        if (p < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        if (enter > leave)
            return std::nullopt;
    }
    return between(from, to, enter, leave);
}

// Where the segment meets the circle: the roots of |from + t·(to - from) - center|² = r².
std::optional<LineClipArea::Cut> LineClipArea::cutCircle(const QPointF& from, const QPointF& to) const
{
    const QPointF direction = to - from;
    const QPointF start = from - m_center;
    const double a = direction.x() * direction.x() + direction.y() * direction.y();
    if (a == 0.0)
        return std::nullopt;
    const double b = 2.0 * (direction.x() * start.x() + direction.y() * start.y());
    const double c = start.x() * start.x() + start.y() * start.y() - m_radius * m_radius;
    const double discriminant = b * b - 4.0 * a * c;
    if (discriminant < 0.0)
        return std::nullopt;
    const double root = std::sqrt(discriminant);
    const double enter = std::max(0.0, (-b - root) / (2.0 * a));
    const double leave = std::min(1.0, (-b + root) / (2.0 * a));
    if (enter > leave)
        return std::nullopt;
    return between(from, to, enter, leave);
}

} // namespace kestrix::hostsim::render
