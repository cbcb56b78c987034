#include "FrameRenderer.h"

#include "CartesianAxes.h"
#include "FieldPlotPainter.h"
#include "FrameSnapshot.h"
#include "LinePlotPainter.h"

#include "hostsim/kernel/Scene.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kestrix::hostsim::render {

namespace {

void paintWithoutValues(QPainter& painter, const QRectF& frameRect, const FrameSnapshot& snapshot)
{
    const kernel::AxisRange x = snapshot.frame().axisRange('X', 1);
    const kernel::AxisRange y = snapshot.frame().axisRange('Y', 1);
    const CartesianAxes axes(frameRect, x.minimum, x.maximum, y.minimum, y.maximum);
    axes.paint(painter);
    painter.save();
    painter.setPen(Qt::darkGray);
    painter.drawText(axes.plotRect(), Qt::AlignCenter, QCoreApplication::translate("FrameRenderer", "no values"));
    painter.restore();
}

} // namespace

void FrameRenderer::render(QPainter& painter, const QRectF& target, const FrameSnapshot& snapshot)
{
    painter.save();
    painter.setClipRect(target);
    painter.fillRect(target, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (!snapshot.hasValues()) {
        paintWithoutValues(painter, target, snapshot);
    } else {
        switch (snapshot.plotType()) {
        case PlotType_XYLine:
        case PlotType_PolarLine:
            LinePlotPainter::paint(painter, target, snapshot);
            break;
        case PlotType_Cartesian2D:
        case PlotType_Cartesian3D:
            FieldPlotPainter::paint(painter, target, snapshot);
            break;
        default:
            break;
        }
    }
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(target.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

QImage FrameRenderer::image(const FrameSnapshot& snapshot, int width)
{
    width = std::max(1, width);
    const double aspect = snapshot.heightInches() / std::max(0.1, snapshot.widthInches());
    const int height = std::max(1, static_cast<int>(std::lround(width * aspect)));
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    render(painter, QRectF(0, 0, width, height), snapshot);
    return picture;
}

} // namespace kestrix::hostsim::render
