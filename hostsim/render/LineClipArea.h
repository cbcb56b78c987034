#pragma once

#include <QPointF>
#include <QRectF>

#include <optional>

namespace kestrix::hostsim::render {

// The area a line plot cuts its lines to: a rectangle or a circle in device pixels. Cutting the
// geometry costs far less than a painter clip of any shape but a rectangle.
class LineClipArea {
public:
    static LineClipArea rectangle(const QRectF& rectangle);
    static LineClipArea circle(const QPointF& center, double radius);

    bool contains(const QPointF& point) const;

    // The part of a segment inside the area, with whether either end had to move.
    struct Cut {
        QPointF from;
        QPointF to;
        bool fromMoved = false;
        bool toMoved = false;
    };
    // Nothing when the segment misses the area.
    std::optional<Cut> cut(const QPointF& from, const QPointF& to) const;

private:
    LineClipArea() = default;
    std::optional<Cut> cutRectangle(const QPointF& from, const QPointF& to) const;
    std::optional<Cut> cutCircle(const QPointF& from, const QPointF& to) const;

    bool m_isCircle = false;
    QRectF m_rectangle;
    QPointF m_center;
    double m_radius = 0.0;
};

} // namespace kestrix::hostsim::render
