#include "FieldPlot3D.h"

#include "FieldEdges.h"
#include "FieldPlotData.h"
#include "FieldPoints.h"
#include "FieldView3D.h"
#include "FieldZoneLook.h"
#include "FieldZonePainter.h"
#include "FrameSnapshot.h"
#include "RenderCancellation.h"
#include "LabelPainter.h"

#include "hostsim/kernel/Scene.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kestrix::hostsim::render {

namespace {

// Light from behind the viewer and above: a cell facing it keeps its colour, one the light
// grazes keeps Ambient of it.
constexpr double Ambient = 0.35;
constexpr double LightRaise = 1.2;
constexpr double TriadLength = 22.0;

struct Piece {
    enum Kind { Cell, MeshLine, Edge, Symbol, Vector, Dot };

    double depth = 0.0;
    std::size_t zone = 0;
    Kind kind = Cell;
    FieldCell cell;
    std::array<long, 2> nodes{};
    std::size_t point = 0;
};

double meanDepth(const FieldZone& zone, const long* nodes, int count)
{
    double sum = 0.0;
    for (int n = 0; n < count; ++n)
        sum += zone.depth(nodes[n]);
    return sum / count;
}

void paintTriad(QPainter& painter, const QRectF& frameRect, const FieldView3D& view)
{
    const QPointF origin(frameRect.left() + TriadLength * 1.8, frameRect.bottom() - TriadLength * 1.8);
    const char* names[3] = {"X", "Y", "Z"};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, 1.0));
    for (int axis = 0; axis < 3; ++axis) {
        const QPointF tip = origin + view.screenDirection(axis) * TriadLength;
        painter.drawLine(QLineF(origin, tip));
        const QPointF label = origin + view.screenDirection(axis) * (TriadLength + 8.0);
        painter.drawText(QRectF(label.x() - 8.0, label.y() - 8.0, 16.0, 16.0), Qt::AlignCenter,
                         QLatin1String(names[axis]));
    }
    painter.restore();
}

} // namespace

void FieldPlot3D::paint(QPainter& painter, const QRectF& frameRect, FieldPlotData& data)
{
    const FieldView3D view(frameRect, data.minimum(), data.maximum());
    const double pixelsPerPercent = frameRect.height() / 100.0;
    std::vector<FieldZone>& zones = data.zones();
    std::vector<FieldZoneLook> looks;
    looks.reserve(zones.size());
    const bool lighting = data.frameStyle().useLighting;
    for (FieldZone& zone : zones) {
        zone.project(view);
        looks.push_back(FieldZoneLook::make(zone, data.palette(), data.snapshot(), pixelsPerPercent, lighting));
    }

    // Lines lie on the surfaces they border: a little nearer, they are drawn after them.
    double reach = 0.0;
    for (std::size_t axis = 0; axis < 3; ++axis)
        reach = std::max(reach, data.maximum()[axis] - data.minimum()[axis]);
    const double lift = std::isfinite(reach) ? reach * 1e-3 : 0.0;

    std::vector<Piece> pieces;
    std::vector<std::vector<FieldPoint>> points(zones.size());
    for (std::size_t z = 0; z < zones.size(); ++z) {
        if (RenderCancellation::requested())
            return;
        const FieldZone& zone = zones[z];
        const FieldZoneLook& look = looks[z];
        Piece piece;
        piece.zone = z;
        if (zone.isTiny()) {
            piece.kind = Piece::Dot;
            piece.depth = zone.meanDepth();
            pieces.push_back(piece);
            continue;
        }
        if (look.fillsCells() || look.mesh || look.lineValues) {
            zone.forEachCell([&](const FieldCell& cell) {
                piece.kind = Piece::Cell;
                piece.cell = cell;
                piece.depth = meanDepth(zone, cell.nodes, cell.count);
                pieces.push_back(piece);
            });
        }
        const auto addSegments = [&](Piece::Kind kind, const std::vector<std::array<long, 2>>& segments) {
            for (const std::array<long, 2>& segment : segments) {
                piece.kind = kind;
                piece.nodes = segment;
                piece.depth = meanDepth(zone, segment.data(), 2) + lift;
                pieces.push_back(piece);
            }
        };
        if (look.mesh) {
            std::vector<std::array<long, 2>> lines = FieldZonePainter::lineSegments(zone);
            if (!zone.zone().ordered && !zone.zone().hasConnectivity()) {
                for (long n = 0; n < zone.nodeCount(); ++n)
                    lines.push_back({n, n});
            }
            addSegments(Piece::MeshLine, lines);
        }
        if (look.edge)
            addSegments(Piece::Edge, FieldEdges::segments(zone, true));
        if (look.scatter || look.vector) {
            points[z] = FieldPoints::select(zone);
            for (std::size_t p = 0; p < points[z].size(); ++p) {
                piece.point = p;
                piece.depth = meanDepth(zone, points[z][p].nodes, points[z][p].count) + lift;
                if (look.scatter) {
                    piece.kind = Piece::Symbol;
                    pieces.push_back(piece);
                }
                if (look.vector) {
                    piece.kind = Piece::Vector;
                    pieces.push_back(piece);
                }
            }
        }
    }
    std::stable_sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) { return a.depth < b.depth; });

    FieldZonePainter zonePainter(painter, frameRect, pixelsPerPercent);
    const FieldView3D::Vector& eye = view.towardViewer();
    FieldView3D::Vector light = {eye[0], eye[1], eye[2] + LightRaise};
    const double lightLength = std::sqrt(light[0] * light[0] + light[1] * light[1] + light[2] * light[2]);
    for (double& c : light)
        c /= lightLength;
    std::vector<std::array<const std::vector<double>*, 3>> velocities(zones.size());
    for (std::size_t z = 0; z < zones.size(); ++z) {
        if (looks[z].vector)
            velocities[z] = data.velocity(zones[z]);
    }
    for (const Piece& piece : pieces) {
        const FieldZone& zone = zones[piece.zone];
        const FieldZoneLook& look = looks[piece.zone];
        switch (piece.kind) {
        case Piece::Cell: {
            const std::array<double, 3> normal = zone.normal(piece.cell);
            const double facing = std::abs(normal[0] * light[0] + normal[1] * light[1] + normal[2] * light[2]);
            painter.setRenderHint(QPainter::Antialiasing, false);
            zonePainter.fillCell(zone, look, piece.cell, Ambient + (1.0 - Ambient) * facing);
            painter.setRenderHint(QPainter::Antialiasing, true);
            zonePainter.cellContours(zone, look, piece.cell);
            zonePainter.cellOutline(zone, look, piece.cell);
            break;
        }
        case Piece::MeshLine:
            zonePainter.segments(zone, look.meshPen, *look.mesh, {piece.nodes});
            break;
        case Piece::Edge:
            zonePainter.segments(zone, look.edgePen, *look.edge, {piece.nodes});
            break;
        case Piece::Symbol:
            zonePainter.symbol(zone, look, points[piece.zone][piece.point]);
            break;
        case Piece::Vector:
            if (velocities[piece.zone][0])
                zonePainter.vector(zone, look, points[piece.zone][piece.point], view, velocities[piece.zone],
                                   data.vectorScale());
            break;
        case Piece::Dot:
            zonePainter.dot(zone, look);
            break;
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (data.labels().isShown()) {
        const double pixelsPerGridUnit = std::hypot(view.map(0.0, 1.0, 0.0).x() - view.map(0.0, 0.0, 0.0).x(),
                                                    view.map(0.0, 1.0, 0.0).y() - view.map(0.0, 0.0, 0.0).y());
        LabelPainter labels(
            painter, data.labels(),
            data.labels().pixelHeight(frameRect.height(), data.snapshot().heightInches(), pixelsPerGridUnit));
        for (const FieldZone& zone : zones)
            labels.paint(zone, data.snapshot());
    }
    paintTriad(painter, frameRect, view);
}

} // namespace kestrix::hostsim::render
