#include "FieldZonePainter.h"

#include "FieldArrow.h"
#include "FieldColoring.h"
#include "FieldMapStyle.h"
#include "FieldPalette.h"
#include "FieldSymbol.h"
#include "FieldView.h"
#include "FieldZone.h"
#include "FieldZoneLook.h"
#include "MarchingSquares.h"

#include "hostsim/kernel/Scene.h"

#include <kxsdkbase/Enumerations.h>

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_set>

namespace kestrix::hostsim::render {

namespace {

// A smooth flood cuts a cell into pieces about this many pixels wide, at most MaxPieces a side.
constexpr double FloodPiecePixels = 4.0;
constexpr int MaxPieces = 64;

QColor lit(QColor color, double light)
{
    if (light >= 1.0)
        return color;
    const double factor = std::clamp(light, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(color.redF() * factor), static_cast<float>(color.greenF() * factor),
                            static_cast<float>(color.blueF() * factor));
}

double longestEdge(const QPointF* corners, int count)
{
    double longest = 0.0;
    for (int c = 0; c < count; ++c) {
        const QPointF edge = corners[(c + 1) % count] - corners[c];
        longest = std::max(longest, std::hypot(edge.x(), edge.y()));
    }
    return longest;
}

} // namespace

FieldZonePainter::FieldZonePainter(QPainter& painter, const QRectF& frameRect, double pixelsPerPercent)
    : m_painter(painter),
      m_frameRect(frameRect),
      m_pixelsPerPercent(pixelsPerPercent)
{
    m_columns = std::max(1, static_cast<int>(std::ceil(frameRect.width())));
    m_rows = std::max(1, static_cast<int>(std::ceil(frameRect.height())));
    const std::size_t pixels = static_cast<std::size_t>(m_columns) * static_cast<std::size_t>(m_rows);
    m_symbolPixels.assign(pixels, false);
    m_vectorPixels.assign(pixels, false);
}

bool FieldZonePainter::claim(std::vector<bool>& taken, const QPointF& at) const
{
    const auto column = static_cast<int>(std::floor(at.x() - m_frameRect.left()));
    const auto row = static_cast<int>(std::floor(at.y() - m_frameRect.top()));
    if (column < 0 || row < 0 || column >= m_columns || row >= m_rows)
        return false;
    const auto index =
        static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(column);
    if (taken[index])
        return false;
    taken[index] = true;
    return true;
}

void FieldZonePainter::flatFill(const QPointF* corners, int count, QColor color, int opacity)
{
    color.setAlpha(opacity);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(color);
    m_painter.drawPolygon(corners, count);
}

void FieldZonePainter::fillCell(const FieldZone& zone, const FieldZoneLook& look, const FieldCell& cell, double light)
{
    QPointF corners[4];
    for (int c = 0; c < cell.count; ++c)
        corners[c] = zone.point(cell.nodes[c]);
    if (look.flood) {
        const double floodLight = look.floodLighting ? light : 1.0;
        if (look.contourType == ContourType_AverageCell) {
            const double weights[4] = {1.0 / cell.count, 1.0 / cell.count, 1.0 / cell.count, 1.0 / cell.count};
            flatFill(corners, cell.count, lit(look.flood->blend(cell.nodes, weights, cell.count), floodLight),
                     look.opacity);
        } else if (look.contourType == ContourType_PrimaryValue) {
            flatFill(corners, cell.count, lit(look.flood->at(cell.nodes[0]), floodLight), look.opacity);
        } else {
            smoothFlood(zone, look, cell, floodLight);
        }
    } else if (look.shade) {
        const double weights[4] = {1.0 / cell.count, 1.0 / cell.count, 1.0 / cell.count, 1.0 / cell.count};
        flatFill(corners, cell.count,
                 lit(look.shade->blend(cell.nodes, weights, cell.count), look.shadeLighting ? light : 1.0),
                 look.opacity);
    } else if (look.hiddenLine) {
        flatFill(corners, cell.count, Qt::white, 255);
    }
}

void FieldZonePainter::smoothFlood(const FieldZone& zone, const FieldZoneLook& look, const FieldCell& cell,
                                   double light)
{
    QPointF corners[4];
    for (int c = 0; c < cell.count; ++c)
        corners[c] = zone.point(cell.nodes[c]);
    const int pieces =
        std::clamp(static_cast<int>(std::ceil(longestEdge(corners, cell.count) / FloodPiecePixels)), 1, MaxPieces);
    const double step = 1.0 / pieces;
    if (cell.count == 4) {
        const auto at = [&](double s, double t) {
            return corners[0] * ((1 - s) * (1 - t)) + corners[1] * (s * (1 - t)) + corners[2] * (s * t)
                   + corners[3] * ((1 - s) * t);
        };
        for (int v = 0; v < pieces; ++v) {
            for (int u = 0; u < pieces; ++u) {
                const double s0 = u * step;
                const double t0 = v * step;
                const QPointF piece[4] = {at(s0, t0), at(s0 + step, t0), at(s0 + step, t0 + step), at(s0, t0 + step)};
                const double s = s0 + step / 2.0;
                const double t = t0 + step / 2.0;
                const double weights[4] = {(1 - s) * (1 - t), s * (1 - t), s * t, (1 - s) * t};
                flatFill(piece, 4, lit(look.flood->blend(cell.nodes, weights, 4), light), look.opacity);
            }
        }
        return;
    }
    const auto at = [&](double s, double t) {
        return corners[0] + (corners[1] - corners[0]) * s + (corners[2] - corners[0]) * t;
    };
    const auto fill = [&](double s0, double t0, double s1, double t1, double s2, double t2) {
        const QPointF piece[3] = {at(s0, t0), at(s1, t1), at(s2, t2)};
        const double s = (s0 + s1 + s2) / 3.0;
        const double t = (t0 + t1 + t2) / 3.0;
        const double weights[3] = {1.0 - s - t, s, t};
        flatFill(piece, 3, lit(look.flood->blend(cell.nodes, weights, 3), light), look.opacity);
    };
    for (int i = 0; i < pieces; ++i) {
        for (int j = 0; i + j < pieces; ++j) {
            const double s = i * step;
            const double t = j * step;
            fill(s, t, s + step, t, s, t + step);
            if (i + j + 1 < pieces)
                fill(s + step, t, s + step, t + step, s, t + step);
        }
    }
}

void FieldZonePainter::cellContours(const FieldZone& zone, const FieldZoneLook& look, const FieldCell& cell)
{
    if (!look.lineValues || look.levels.empty())
        return;
    const std::vector<double>& values = *look.lineValues;
    double cornerValues[4];
    QPointF corners[4];
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (int c = 0; c < cell.count; ++c) {
        cornerValues[c] = values[static_cast<std::size_t>(cell.nodes[c])];
        corners[c] = zone.point(cell.nodes[c]);
        low = std::min(low, cornerValues[c]);
        high = std::max(high, cornerValues[c]);
    }
    std::vector<QLineF> pieces;
    for (auto level = std::lower_bound(look.levels.begin(), look.levels.end(), low);
         level != look.levels.end() && *level <= high; ++level) {
        pieces.clear();
        if (cell.count == 4) {
            MarchingSquares::quad(corners, cornerValues, *level, pieces);
        } else {
            const QPointF triangle[3] = {corners[0], corners[1], corners[2]};
            const double triangleValues[3] = {cornerValues[0], cornerValues[1], cornerValues[2]};
            MarchingSquares::triangle(triangle, triangleValues, *level, pieces);
        }
        if (pieces.empty())
            continue;
        QPen pen = look.contourPen;
        if (look.linesByLevel && look.lineMap)
            pen.setColor(look.lineMap->color(*level));
        m_painter.setPen(pen);
        m_painter.drawLines(pieces.data(), static_cast<int>(pieces.size()));
    }
}

void FieldZonePainter::cellOutline(const FieldZone& zone, const FieldZoneLook& look, const FieldCell& cell)
{
    if (!look.mesh)
        return;
    std::vector<std::array<long, 2>> edges;
    for (int c = 0; c < cell.count; ++c)
        edges.push_back({cell.nodes[c], cell.nodes[(c + 1) % cell.count]});
    segments(zone, look.meshPen, *look.mesh, edges);
}

std::vector<std::array<long, 2>> FieldZonePainter::lineSegments(const FieldZone& zone)
{
    std::vector<std::array<long, 2>> result;
    for (const SurfacePlane& plane : zone.surfaces().planes) {
        if (plane.hasCells())
            continue;
        const long count = std::max(plane.countA, plane.countB);
        const long stride = plane.countA >= plane.countB ? plane.strideA : plane.strideB;
        if (count == 1) {
            result.push_back({plane.first, plane.first});
            continue;
        }
        SurfacePlane line;
        line.countA = count;
        const long step = zone.strides(line)[0];
        for (long a = 0; a + 1 < count; a += step)
            result.push_back({plane.first + a * stride, plane.first + std::min(a + step, count - 1) * stride});
    }
    return result;
}

void FieldZonePainter::meshLines(const FieldZone& zone, const FieldZoneLook& look)
{
    if (!look.mesh)
        return;
    const FieldColoring& coloring = *look.mesh;
    const kernel::Zone& z = zone.zone();
    if (!z.ordered && !z.hasConnectivity()) {
        std::vector<std::array<long, 2>> nodes;
        for (long n = 0; n < zone.nodeCount(); ++n)
            nodes.push_back({n, n});
        segments(zone, look.meshPen, coloring, nodes);
        return;
    }
    for (const SurfacePlane& plane : zone.surfaces().planes) {
        if (!plane.hasCells())
            continue;
        const std::array<long, 2> step = zone.strides(plane);
        const auto stops = [](long count, long stride) {
            std::vector<long> at;
            for (long index = 0; index < count; index += stride)
                at.push_back(index);
            if (at.back() != count - 1)
                at.push_back(count - 1);
            return at;
        };
        const std::vector<long> alongA = stops(plane.countA, step[0]);
        const std::vector<long> alongB = stops(plane.countB, step[1]);
        if (coloring.isUniform()) {
            m_painter.setPen(look.meshPen);
            m_painter.setBrush(Qt::NoBrush);
            std::vector<QPointF> line;
            for (long b : alongB) {
                line.clear();
                for (long a : alongA)
                    line.push_back(zone.point(plane.node(a, b)));
                m_painter.drawPolyline(line.data(), static_cast<int>(line.size()));
            }
            for (long a : alongA) {
                line.clear();
                for (long b : alongB)
                    line.push_back(zone.point(plane.node(a, b)));
                m_painter.drawPolyline(line.data(), static_cast<int>(line.size()));
            }
        } else {
            std::vector<std::array<long, 2>> pieces;
            for (long b : alongB) {
                for (std::size_t a = 0; a + 1 < alongA.size(); ++a)
                    pieces.push_back({plane.node(alongA[a], b), plane.node(alongA[a + 1], b)});
            }
            for (long a : alongA) {
                for (std::size_t b = 0; b + 1 < alongB.size(); ++b)
                    pieces.push_back({plane.node(a, alongB[b]), plane.node(a, alongB[b + 1])});
            }
            segments(zone, look.meshPen, coloring, pieces);
        }
    }
    std::unordered_set<std::uint64_t> drawn;
    std::vector<std::array<long, 2>> edges;
    for (const std::array<int, 4>& face : zone.surfaces().faces) {
        const int count = face[3] == face[2] ? 3 : 4;
        for (int c = 0; c < count; ++c) {
            const long a = face[static_cast<std::size_t>(c)];
            const long b = face[static_cast<std::size_t>((c + 1) % count)];
            const auto key =
                (static_cast<std::uint64_t>(std::min(a, b)) << 32) | static_cast<std::uint64_t>(std::max(a, b));
            if (drawn.insert(key).second)
                edges.push_back({a, b});
        }
    }
    std::vector<std::array<long, 2>> lines = lineSegments(zone);
    edges.insert(edges.end(), lines.begin(), lines.end());
    segments(zone, look.meshPen, coloring, edges);
}

void FieldZonePainter::segments(const FieldZone& zone, const QPen& pen, const FieldColoring& coloring,
                                const std::vector<std::array<long, 2>>& segments)
{
    if (segments.empty())
        return;
    m_painter.setBrush(Qt::NoBrush);
    if (coloring.isUniform()) {
        std::vector<QLineF> lines;
        lines.reserve(segments.size());
        for (const std::array<long, 2>& segment : segments) {
            if (segment[0] == segment[1])
                lines.emplace_back(zone.point(segment[0]) - QPointF(0.5, 0.0),
                                   zone.point(segment[0]) + QPointF(0.5, 0.0));
            else
                lines.emplace_back(zone.point(segment[0]), zone.point(segment[1]));
        }
        m_painter.setPen(pen);
        m_painter.drawLines(lines.data(), static_cast<int>(lines.size()));
        return;
    }
    QPen coloured = pen;
    const double halves[2] = {0.5, 0.5};
    for (const std::array<long, 2>& segment : segments) {
        const long nodes[2] = {segment[0], segment[1]};
        coloured.setColor(coloring.blend(nodes, halves, 2));
        m_painter.setPen(coloured);
        const QPointF a = zone.point(segment[0]);
        const QPointF b = segment[0] == segment[1] ? a + QPointF(0.5, 0.0) : zone.point(segment[1]);
        m_painter.drawLine(QLineF(segment[0] == segment[1] ? a - QPointF(0.5, 0.0) : a, b));
    }
}

QPointF FieldZonePainter::centre(const FieldZone& zone, const FieldPoint& point) const
{
    QPointF sum;
    for (int n = 0; n < point.count; ++n)
        sum += zone.point(point.nodes[n]);
    return sum / point.count;
}

void FieldZonePainter::symbol(const FieldZone& zone, const FieldZoneLook& look, const FieldPoint& point)
{
    if (!look.scatter)
        return;
    const QPointF at = centre(zone, point);
    if (!claim(m_symbolPixels, at))
        return;
    const FieldMapStyle& style = zone.style();
    double weights[8];
    std::fill(weights, weights + point.count, 1.0 / point.count);
    QPen pen = look.scatterPen;
    pen.setColor(look.scatter->blend(point.nodes, weights, point.count));
    m_painter.setPen(pen);
    const double size = std::max(1.0, style.scatterSize * m_pixelsPerPercent);
    if (style.scatterIsText) {
        FieldSymbol::paintText(m_painter, at, size, QString::fromStdString(style.scatterText));
        return;
    }
    switch (style.fillMode) {
    case FillMode_UseSpecificColor:
        m_painter.setBrush(FieldPalette::basic(style.fillColor));
        break;
    case FillMode_UseLineColor:
        m_painter.setBrush(pen.color());
        break;
    case FillMode_UseBackgroundColor:
        m_painter.setBrush(Qt::white);
        break;
    default:
        m_painter.setBrush(Qt::NoBrush);
        break;
    }
    FieldSymbol::paintShape(m_painter, at, size, style.scatterShape);
}

void FieldZonePainter::vector(const FieldZone& zone, const FieldZoneLook& look, const FieldPoint& point,
                              const FieldView& view, const std::array<const std::vector<double>*, 3>& velocity,
                              double scale)
{
    if (!look.vector || !velocity[0] || !velocity[1])
        return;
    std::array<double, 3> at{};
    std::array<double, 3> toward{};
    for (int n = 0; n < point.count; ++n) {
        const std::array<double, 3> position = zone.position(point.nodes[n]);
        for (std::size_t d = 0; d < 3; ++d) {
            at[d] += position[d] / point.count;
            if (velocity[d])
                toward[d] += (*velocity[d])[static_cast<std::size_t>(point.nodes[n])] / point.count;
        }
    }
    const QPointF anchor = view.map(at[0], at[1], at[2]);
    if (!claim(m_vectorPixels, anchor))
        return;
    const QPointF tip = view.map(at[0] + toward[0] * scale, at[1] + toward[1] * scale, at[2] + toward[2] * scale);
    double weights[8];
    std::fill(weights, weights + point.count, 1.0 / point.count);
    QPen pen = look.vectorPen;
    pen.setColor(look.vector->blend(point.nodes, weights, point.count));
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    FieldArrow::paint(m_painter, anchor, tip - anchor, zone.style().vectorType, zone.style().arrowheadStyle);
}

void FieldZonePainter::dot(const FieldZone& zone, const FieldZoneLook& look)
{
    if (!look.dot)
        return;
    QRectF box = zone.bounds();
    const QPointF middle = box.center();
    box.setWidth(std::max(box.width(), 1.5));
    box.setHeight(std::max(box.height(), 1.5));
    box.moveCenter(middle);
    QColor color = *look.dot;
    color.setAlpha(look.opacity);
    m_painter.fillRect(box, color);
}

} // namespace kestrix::hostsim::render
