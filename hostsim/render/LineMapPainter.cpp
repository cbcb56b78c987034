#include "LineMapPainter.h"

#include "FrameSnapshot.h"
#include "LineCurve.h"
#include "LineMapAssignment.h"
#include "LineMapPoints.h"
#include "LineMapStyle.h"
#include "LinePolylines.h"
#include "LineProjection.h"
#include "LineSkipping.h"
#include "LineSymbol.h"

#include <kxsdkbase/Enumerations.h>

#include <QPainter>

#include <cmath>
#include <optional>

namespace kestrix::hostsim::render {

namespace {

// Symbols closer than this to the last one drawn would cover the same pixels again.
constexpr double samePlace = 0.5;

std::vector<QPointF> dataPoints(const std::vector<LinePoint>& line)
{
    std::vector<QPointF> points;
    points.reserve(line.size());
    for (const LinePoint& point : line)
        points.emplace_back(point.x, point.y);
    return points;
}

QPointF unit(const QPointF& vector)
{
    const double length = std::hypot(vector.x(), vector.y());
    return length > 0.0 ? vector / length : QPointF(0.0, -1.0);
}

} // namespace

LineMapPainter::LineMapPainter(QPainter& painter, const FrameSnapshot& snapshot, double frameHeight)
    : m_painter(painter),
      m_snapshot(snapshot),
      m_frameHeight(frameHeight)
{
}

void LineMapPainter::paint(const LineMapAssignment& assignment, const LineMapStyle& style,
                           const LineProjection& projection) const
{
    const bool showLine = style.lines.show;
    const bool showSymbols = style.symbols.show;
    const bool showErrorBars = style.errorBars.show && m_snapshot.values(assignment.zone, style.errorBars.variable);
    const bool showBars = style.barCharts.show;
    if (!showLine && !showSymbols && !showErrorBars && !showBars)
        return;
    const std::vector<std::vector<LinePoint>> lines = LineMapPoints::lines(m_snapshot, assignment);
    for (const std::vector<LinePoint>& line : lines) {
        if (showBars)
            paintBars(line, assignment.yIndependent, style, projection);
        if (showLine)
            paintLine(line, assignment, style, projection);
        if (!showErrorBars && !showSymbols)
            continue;
        std::vector<QPointF> positions;
        positions.reserve(line.size());
        for (const LinePoint& point : line)
            positions.push_back(projection.map(point.x, point.y));
        if (showErrorBars)
            paintErrorBars(line, positions, assignment, style, projection);
        if (showSymbols)
            paintSymbols(positions, style, projection);
    }
}

void LineMapPainter::paintBars(const std::vector<LinePoint>& line, bool horizontal, const LineMapStyle& style,
                               const LineProjection& projection) const
{
    const double halfWidth = LineMapStyle::pixels(style.barCharts.size, m_frameHeight) / 2.0;
    m_painter.setPen(style.barPen(m_frameHeight));
    m_painter.setBrush(style.barBrush());
    const LineClipArea area = projection.lineArea();
    for (const LinePoint& point : line) {
        const QPointF foot = projection.barFoot(point.x, point.y, horizontal);
        const QPointF base = projection.map(foot.x(), foot.y());
        const QPointF top = projection.map(point.x, point.y);
        if (!std::isfinite(base.x()) || !std::isfinite(base.y()) || !std::isfinite(top.x()) || !std::isfinite(top.y()))
            continue;
        const std::optional<LineClipArea::Cut> part = area.cut(base, top);
        if (!part)
            continue;
        const QPointF& from = part->from;
        const QPointF& to = part->to;
        const QPointF along = horizontal ? QPointF(1.0, 0.0) : unit(top - base);
        const QPointF across = QPointF(-along.y(), along.x()) * halfWidth;
        const QPointF corners[] = {from + across, to + across, to - across, from - across};
        m_painter.drawPolygon(corners, 4);
    }
}

void LineMapPainter::paintLine(const std::vector<LinePoint>& line, const LineMapAssignment& assignment,
                               const LineMapStyle& style, const LineProjection& projection) const
{
    std::vector<double> weights;
    if (style.curves.weightVariable > 0) {
        if (const std::vector<double>* values = m_snapshot.values(assignment.zone, style.curves.weightVariable)) {
            weights.reserve(line.size());
            for (const LinePoint& point : line)
                weights.push_back(static_cast<std::size_t>(point.node) < values->size()
                                      ? (*values)[static_cast<std::size_t>(point.node)]
                                      : 0.0);
        }
    }
    std::vector<QPointF> path = dataPoints(line);
    if (style.curves.type != CurveType_LineSeg && style.curves.type != CurveType_Extended)
        path = LineCurve::points(path, style.curves, assignment.yIndependent, weights);
    m_painter.setPen(style.linePen(m_frameHeight));
    m_painter.setBrush(Qt::NoBrush);
    for (const std::vector<QPointF>& polyline : LinePolylines::build(path, projection))
        m_painter.drawPolyline(polyline.data(), static_cast<int>(polyline.size()));
}

void LineMapPainter::paintErrorBars(const std::vector<LinePoint>& line, const std::vector<QPointF>& positions,
                                    const LineMapAssignment& assignment, const LineMapStyle& style,
                                    const LineProjection& projection) const
{
    const std::vector<double>& errors = *m_snapshot.values(assignment.zone, style.errorBars.variable);
    const int type = style.errorBars.barType;
    const bool up = type == ErrorBar_Up || type == ErrorBar_Vert || type == ErrorBar_Cross;
    const bool down = type == ErrorBar_Down || type == ErrorBar_Vert || type == ErrorBar_Cross;
    const bool left = type == ErrorBar_Left || type == ErrorBar_Horz || type == ErrorBar_Cross;
    const bool right = type == ErrorBar_Right || type == ErrorBar_Horz || type == ErrorBar_Cross;
    const double halfCross = LineMapStyle::pixels(style.errorBars.size, m_frameHeight) / 2.0;
    m_painter.setPen(style.errorBarPen(m_frameHeight));
    m_painter.setBrush(Qt::NoBrush);
    const auto bar = [&](const LinePoint& point, double dx, double dy) {
        const std::vector<std::vector<QPointF>> pictures =
            LinePolylines::build({QPointF(point.x, point.y), QPointF(point.x + dx, point.y + dy)}, projection);
        for (const std::vector<QPointF>& picture : pictures)
            m_painter.drawPolyline(picture.data(), static_cast<int>(picture.size()));
        const QPointF end = projection.map(point.x + dx, point.y + dy);
        if (pictures.empty() || !projection.contains(end))
            return;
        const std::vector<QPointF>& last = pictures.back();
        const QPointF along = unit(last[last.size() - 1] - last[last.size() - 2]);
        const QPointF across(-along.y() * halfCross, along.x() * halfCross);
        m_painter.drawLine(end + across, end - across);
    };
    for (std::size_t index :
         LineSkipping::select(positions, style.errorBars.skipMode, style.errorBars.skipping, m_frameHeight)) {
        const LinePoint& point = line[index];
        if (static_cast<std::size_t>(point.node) >= errors.size())
            continue;
        const double error = std::abs(errors[static_cast<std::size_t>(point.node)]);
        if (!std::isfinite(error) || error == 0.0)
            continue;
        if (up)
            bar(point, 0.0, error);
        if (down)
            bar(point, 0.0, -error);
        if (left)
            bar(point, -error, 0.0);
        if (right)
            bar(point, error, 0.0);
    }
}

void LineMapPainter::paintSymbols(const std::vector<QPointF>& positions, const LineMapStyle& style,
                                  const LineProjection& projection) const
{
    const LineSymbol symbol(style, m_frameHeight);
    QPointF last(std::nan(""), std::nan(""));
    for (std::size_t index :
         LineSkipping::select(positions, style.symbols.skipMode, style.symbols.skipping, m_frameHeight)) {
        const QPointF& at = positions[index];
        if ((std::abs(at.x() - last.x()) < samePlace && std::abs(at.y() - last.y()) < samePlace)
            || !projection.contains(at))
            continue;
        symbol.paint(m_painter, at);
        last = at;
    }
}

} // namespace kestrix::hostsim::render
