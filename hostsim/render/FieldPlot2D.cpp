#include "FieldPlot2D.h"

#include "CartesianAxes.h"
#include "FieldEdges.h"
#include "FieldPlotData.h"
#include "FieldPoints.h"
#include "FieldView2D.h"
#include "FieldZoneLook.h"
#include "FieldZonePainter.h"
#include "FrameSnapshot.h"
#include "RenderCancellation.h"
#include "LabelPainter.h"

#include <QPainter>

#include <algorithm>

namespace kestrix::hostsim::render {

namespace {

constexpr double Margin = 0.03;

// Axes over the box with a small margin, widened along one axis so that a unit of X and a
// unit of Y are equally long.
CartesianAxes axesFor(const QRectF& frameRect, const FieldPlotData& data)
{
    if (!data.hasBox())
        return CartesianAxes(frameRect, 0.0, 1.0, 0.0, 1.0);
    double x0 = data.minimum()[0];
    double x1 = data.maximum()[0];
    double y0 = data.minimum()[1];
    double y1 = data.maximum()[1];
    const double span = std::max(x1 - x0, y1 - y0);
    const double margin = span > 0.0 ? span * Margin : 0.5;
    x0 -= margin;
    x1 += margin;
    y0 -= margin;
    y1 += margin;
    const QRectF plot = CartesianAxes(frameRect, x0, x1, y0, y1).plotRect();
    if (plot.width() > 0.0 && plot.height() > 0.0) {
        const double unitsPerPixel = std::max((x1 - x0) / plot.width(), (y1 - y0) / plot.height());
        const double xMiddle = (x0 + x1) / 2.0;
        const double yMiddle = (y0 + y1) / 2.0;
        x0 = xMiddle - unitsPerPixel * plot.width() / 2.0;
        x1 = xMiddle + unitsPerPixel * plot.width() / 2.0;
        y0 = yMiddle - unitsPerPixel * plot.height() / 2.0;
        y1 = yMiddle + unitsPerPixel * plot.height() / 2.0;
    }
    return CartesianAxes(frameRect, x0, x1, y0, y1);
}

} // namespace

void FieldPlot2D::paint(QPainter& painter, const QRectF& frameRect, FieldPlotData& data)
{
    const CartesianAxes axes = axesFor(frameRect, data);
    axes.paint(painter);
    painter.save();
    painter.setClipRect(axes.plotRect(), Qt::IntersectClip);
    const FieldView2D view(axes);
    const double pixelsPerPercent = frameRect.height() / 100.0;
    std::vector<FieldZone>& zones = data.zones();
    std::vector<FieldZoneLook> looks;
    looks.reserve(zones.size());
    for (FieldZone& zone : zones) {
        if (RenderCancellation::requested())
            return;
        zone.project(view);
        looks.push_back(FieldZoneLook::make(zone, data.palette(), data.snapshot(), pixelsPerPercent, false));
    }
    FieldZonePainter zonePainter(painter, frameRect, pixelsPerPercent);

    // Cells meet without seams only when their edges are not blended.
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (std::size_t z = 0; z < zones.size() && !RenderCancellation::requested(); ++z) {
        if (zones[z].isTiny())
            zonePainter.dot(zones[z], looks[z]);
        else if (looks[z].fillsCells())
            zones[z].forEachCell([&](const FieldCell& cell) { zonePainter.fillCell(zones[z], looks[z], cell, 1.0); });
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (std::size_t z = 0; z < zones.size(); ++z) {
        if (!zones[z].isTiny() && looks[z].lineValues)
            zones[z].forEachCell([&](const FieldCell& cell) { zonePainter.cellContours(zones[z], looks[z], cell); });
    }
    for (std::size_t z = 0; z < zones.size(); ++z) {
        if (!zones[z].isTiny())
            zonePainter.meshLines(zones[z], looks[z]);
    }
    for (std::size_t z = 0; z < zones.size(); ++z) {
        if (!zones[z].isTiny() && looks[z].edge)
            zonePainter.segments(zones[z], looks[z].edgePen, *looks[z].edge, FieldEdges::segments(zones[z], false));
    }
    for (std::size_t z = 0; z < zones.size(); ++z) {
        if (zones[z].isTiny() || !looks[z].vector)
            continue;
        const auto velocity = data.velocity(zones[z]);
        if (!velocity[0])
            continue;
        for (const FieldPoint& point : FieldPoints::select(zones[z]))
            zonePainter.vector(zones[z], looks[z], point, view, velocity, data.vectorScale());
    }
    for (std::size_t z = 0; z < zones.size(); ++z) {
        if (zones[z].isTiny() || !looks[z].scatter)
            continue;
        for (const FieldPoint& point : FieldPoints::select(zones[z]))
            zonePainter.symbol(zones[z], looks[z], point);
    }
    if (data.labels().isShown()) {
        const double pixelsPerGridUnit = axes.plotRect().height() / (axes.yMaximum() - axes.yMinimum());
        LabelPainter labels(
            painter, data.labels(),
            data.labels().pixelHeight(frameRect.height(), data.snapshot().heightInches(), pixelsPerGridUnit));
        for (const FieldZone& zone : zones)
            labels.paint(zone, data.snapshot());
    }
    painter.restore();
}

} // namespace kestrix::hostsim::render
