#include "LinePolylines.h"

#include "LineProjection.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace kestrix::hostsim::render {

namespace {

bool isFinite(const QPointF& point)
{
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

} // namespace

std::vector<std::vector<QPointF>> LinePolylines::build(const std::vector<QPointF>& data,
                                                       const LineProjection& projection)
{
    const LineClipArea area = projection.lineArea();
    std::vector<std::vector<QPointF>> result;
    std::vector<QPointF> current;
    const auto finish = [&]() {
        if (current.size() > 1)
            result.push_back(thin(std::move(current)));
        current.clear();
    };
    const auto addSegment = [&](const QPointF& from, const QPointF& to) {
        const std::optional<LineClipArea::Cut> part = area.cut(from, to);
        if (!part) {
            finish();
            return;
        }
        if (part->fromMoved || current.empty()) {
            finish();
            current.push_back(part->from);
        }
        current.push_back(part->to);
        if (part->toMoved)
            finish();
    };

    current.reserve(data.size());
    for (std::size_t i = 1; i < data.size(); ++i) {
        const QPointF& from = data[i - 1];
        const QPointF& to = data[i];
        if (!isFinite(from) || !isFinite(to)) {
            finish();
            continue;
        }
        const int pieces = projection.pieces(from, to);
        QPointF start = projection.map(from.x(), from.y());
        for (int piece = 1; piece <= pieces; ++piece) {
            const double t = static_cast<double>(piece) / pieces;
            const QPointF end = piece == pieces ? projection.map(to.x(), to.y())
                                                : projection.map(from.x() + t * (to.x() - from.x()),
                                                                 from.y() + t * (to.y() - from.y()));
            if (isFinite(start) && isFinite(end))
                addSegment(start, end);
            else
                finish();
            start = end;
        }
    }
    finish();
    return result;
}

std::vector<QPointF> LinePolylines::thin(std::vector<QPointF> points)
{
    const std::size_t count = points.size();
    if (count <= 4)
        return points;
    double left = points.front().x();
    double right = left;
    for (const QPointF& point : points) {
        left = std::min(left, point.x());
        right = std::max(right, point.x());
    }
    if (static_cast<double>(count) <= std::floor(right) - std::floor(left) + 1.0)
        return points;
    std::vector<QPointF> result;
    std::size_t first = 0;
    while (first < count) {
        const double column = std::floor(points[first].x());
        std::size_t lowest = first;
        std::size_t highest = first;
        std::size_t end = first + 1;
        while (end < count && std::floor(points[end].x()) == column) {
            if (points[end].y() < points[lowest].y())
                lowest = end;
            if (points[end].y() > points[highest].y())
                highest = end;
            ++end;
        }
        std::array<std::size_t, 4> kept = {first, lowest, highest, end - 1};
        std::sort(kept.begin(), kept.end());
        for (std::size_t i = 0; i < kept.size(); ++i) {
            if (i == 0 || kept[i] != kept[i - 1])
                result.push_back(points[kept[i]]);
        }
        first = end;
    }
    return result;
}

} // namespace kestrix::hostsim::render
