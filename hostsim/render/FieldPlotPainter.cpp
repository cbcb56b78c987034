#include "FieldPlotPainter.h"

#include "FieldPlot2D.h"
#include "FieldPlot3D.h"
#include "FieldPlotData.h"
#include "FrameSnapshot.h"

#include <QPainter>

namespace kestrix::hostsim::render {

void FieldPlotPainter::paint(QPainter& painter, const QRectF& frameRect, const FrameSnapshot& snapshot)
{
    FieldPlotData data(snapshot);
    painter.save();
    if (data.isThreeD())
        FieldPlot3D::paint(painter, frameRect, data);
    else
        FieldPlot2D::paint(painter, frameRect, data);
    painter.restore();
}

} // namespace kestrix::hostsim::render
