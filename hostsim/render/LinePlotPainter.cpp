#include "LinePlotPainter.h"

#include "RenderCancellation.h"

#include "CartesianAxes.h"
#include "FrameSnapshot.h"
#include "LineAxisRanges.h"
#include "LineCartesianProjection.h"
#include "LineLegend.h"
#include "LineMapAssignment.h"
#include "LineMapPainter.h"
#include "LineMapStyle.h"
#include "LinePlotLayers.h"
#include "LinePointLabels.h"
#include "PolarAxes.h"

#include <kxsdkbase/Enumerations.h>

#include <QPainter>

#include <algorithm>
#include <functional>
#include <map>
#include <utility>

namespace kestrix::hostsim::render {

namespace {

using ProjectionOf = std::function<const LineProjection&(const LineMapAssignment&)>;

// The maps, then their point labels over all of them, each through its own axes.
void paintMaps(QPainter& painter, const FrameSnapshot& snapshot, const std::vector<LineMapAssignment>& maps,
               const LinePlotLayers& layers, double frameHeight, const LineProjection& plot,
               const ProjectionOf& projectionOf)
{
    painter.save();
    plot.clip(painter);
    const LineMapPainter mapPainter(painter, snapshot, frameHeight);
    for (const LineMapAssignment& map : maps) {
        if (RenderCancellation::requested())
            break;
        mapPainter.paint(map, LineMapStyle::read(snapshot, map.map, layers), projectionOf(map));
    }
    painter.restore();

    const LinePointLabels labels(snapshot, frameHeight, plot);
    if (!labels.isShown())
        return;
    for (const LineMapAssignment& map : maps) {
        if (RenderCancellation::requested())
            break;
        labels.paint(painter, map, projectionOf(map));
    }
}

void paintPolar(QPainter& painter, const QRectF& frameRect, const FrameSnapshot& snapshot,
                std::vector<LineMapAssignment> maps, const LinePlotLayers& layers)
{
    // Polar plots have one theta axis and one radial axis, whatever axes the maps name.
    for (LineMapAssignment& map : maps)
        map.xAxis = map.yAxis = 1;
    const kernel::AxisRange radius = LineAxisRanges(snapshot, maps).range('Y', 1, true);
    const PolarAxes axes(frameRect, radius.minimum, radius.maximum);
    axes.paintGrid(painter);
    paintMaps(painter, snapshot, maps, layers, frameRect.height(), axes,
              [&axes](const LineMapAssignment&) -> const LineProjection& { return axes; });
    axes.paintRim(painter);
}

void paintCartesian(QPainter& painter, const QRectF& frameRect, const FrameSnapshot& snapshot,
                    const std::vector<LineMapAssignment>& maps, const LinePlotLayers& layers)
{
    const LineAxisRanges ranges(snapshot, maps);
    // Every pair of axes shares the plot area; maps on axes other than the first are placed by
    // their own ranges, and the first axes are the ones drawn.
    std::map<std::pair<int, int>, LineCartesianProjection> projections;
    const auto projection = [&](int xAxis, int yAxis) -> const LineProjection& {
        auto it = projections.find({xAxis, yAxis});
        if (it == projections.end()) {
            const kernel::AxisRange x = ranges.range('X', xAxis);
            const kernel::AxisRange y = ranges.range('Y', yAxis);
            it = projections
                     .emplace(std::make_pair(xAxis, yAxis), LineCartesianProjection(CartesianAxes(
                                                                frameRect, x.minimum, x.maximum, y.minimum, y.maximum)))
                     .first;
        }
        return it->second;
    };
    const kernel::AxisRange x = ranges.range('X', 1);
    const kernel::AxisRange y = ranges.range('Y', 1);
    const CartesianAxes axes(frameRect, x.minimum, x.maximum, y.minimum, y.maximum);
    paintMaps(painter, snapshot, maps, layers, frameRect.height(), projection(1, 1),
              [&projection](const LineMapAssignment& map) -> const LineProjection& {
                  return projection(map.xAxis, map.yAxis);
              });
    axes.paint(painter);
}

} // namespace

void LinePlotPainter::paint(QPainter& painter, const QRectF& frameRect, const FrameSnapshot& snapshot)
{
    const LinePlotLayers layers = LinePlotLayers::read(snapshot);
    std::vector<LineMapAssignment> maps;
    for (int map : snapshot.members({"ACTIVELINEMAPS"}))
        maps.push_back(LineMapAssignment::read(snapshot, map));

    QRectF area;
    if (snapshot.plotType() == PlotType_PolarLine) {
        paintPolar(painter, frameRect, snapshot, maps, layers);
        // The circle leaves the frame's corners free; the legend takes the top right one.
        const double margin = std::min(frameRect.width(), frameRect.height()) * 0.03;
        area = frameRect.adjusted(margin, margin, -margin, -margin);
    } else {
        paintCartesian(painter, frameRect, snapshot, maps, layers);
        area = CartesianAxes(frameRect, 0.0, 1.0, 0.0, 1.0).plotRect();
    }
    LineLegend::paint(painter, snapshot, area, layers, frameRect.height());
}

} // namespace kestrix::hostsim::render
