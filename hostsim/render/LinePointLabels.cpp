#include "LinePointLabels.h"

#include "FrameSnapshot.h"
#include "LineColorPalette.h"
#include "LineMapAssignment.h"
#include "LineMapPoints.h"
#include "LinePoint.h"
#include "LineProjection.h"
#include "LineSkipping.h"

#include <kxsdkbase/Enumerations.h>

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kestrix::hostsim::render {

namespace {

constexpr double pointsPerInch = 72.0;
// Screen pixels are three quarters of a point.
constexpr double pointsPerScreenPixel = 0.75;

double textPixels(double height, int units, double frameHeight, double heightInches, const LineProjection& plot)
{
    const double pixelsPerPoint = frameHeight / (std::max(0.1, heightInches) * pointsPerInch);
    switch (units) {
    case Units_Grid:
        return height * plot.pixelsPerGridUnit();
    case Units_Frame:
        return height * frameHeight / 100.0;
    case Units_Screen:
        return height * pointsPerScreenPixel * pixelsPerPoint;
    case Units_AxisPercentage:
        return height * plot.bounds().height() / 100.0;
    default:
        return height * pixelsPerPoint;
    }
}

} // namespace

LinePointLabels::LinePointLabels(const FrameSnapshot& snapshot, double frameHeight, const LineProjection& plot)
    : m_snapshot(snapshot),
      m_frameHeight(frameHeight),
      m_format(LineLabelFormat::read(snapshot))
{
    m_shown = snapshot.isOn({"GLOBALLINEPLOT", "DATALABELS", "SHOWNODELABELS"});
    if (!m_shown)
        return;
    const auto integer = [&](std::initializer_list<const char*> path, long fallback) {
        return static_cast<int>(snapshot.integer(path).value_or(fallback));
    };
    m_type = integer({"GLOBALLINEPLOT", "DATALABELS", "NODELABELTYPE"}, 0);
    m_skipMode = integer({"GLOBALLINEPLOT", "DATALABELS", "SKIPMODE"}, SkipMode_ByIndex);
    m_skipping = m_skipMode == SkipMode_ByIndex
                     ? integer({"GLOBALLINEPLOT", "DATALABELS", "INDEXSKIP"}, 1)
                     : snapshot.number({"GLOBALLINEPLOT", "DATALABELS", "DISTANCESKIP"}).value_or(5.0);
    m_box = snapshot.isOn({"GLOBALLINEPLOT", "DATALABELS", "INCLUDEBOX"});
    m_colorByMap = snapshot.isOn({"GLOBALLINEPLOT", "DATALABELS", "COLORBYZONEMAP"});
    m_color = integer({"GLOBALLINEPLOT", "DATALABELS", "COLOR"}, 0);
    const double height = snapshot.number({"GLOBALLINEPLOT", "DATALABELS", "TEXTSHAPE", "HEIGHT"}).value_or(11.0);
    const int units = integer({"GLOBALLINEPLOT", "DATALABELS", "TEXTSHAPE", "SIZEUNITS"}, Units_Point);
    m_textHeight = textPixels(height, units, frameHeight, snapshot.heightInches(), plot);
    m_font.setFamily(QString::fromStdString(
        snapshot.text({"GLOBALLINEPLOT", "DATALABELS", "TEXTSHAPE", "FONTFAMILY"}).value_or("Helvetica")));
    m_font.setPixelSize(std::clamp(static_cast<int>(std::lround(m_textHeight)), 1, 4096));
}

QString LinePointLabels::text(const LinePoint& point, const LineMapAssignment& assignment) const
{
    switch (m_type) {
    case 1:
        return m_format.text(assignment.yIndependent ? point.x : point.y);
    case 2:
        return m_format.text(point.x) + QStringLiteral(", ") + m_format.text(point.y);
    default:
        return QString::number(point.node + 1);
    }
}

void LinePointLabels::paint(QPainter& painter, const LineMapAssignment& assignment,
                            const LineProjection& projection) const
{
    if (!m_shown)
        return;
    const int setting =
        m_colorByMap ? static_cast<int>(m_snapshot.integer({"LINEMAP", "LINES", "COLOR"}, assignment.map).value_or(0))
                     : m_color;
    const QColor color = LineColorPalette::color(setting, assignment.map);
    painter.save();
    painter.setFont(m_font);
    painter.setPen(QPen(color, 1.0));
    painter.setBrush(Qt::NoBrush);
    const QFontMetricsF metrics(m_font);
    const double gap = std::max(2.0, metrics.height() * 0.3);
    const double pad = std::max(1.0, metrics.height() * 0.15);
    for (const std::vector<LinePoint>& line : LineMapPoints::lines(m_snapshot, assignment)) {
        std::vector<QPointF> positions;
        positions.reserve(line.size());
        for (const LinePoint& point : line)
            positions.push_back(projection.map(point.x, point.y));
        for (std::size_t index : LineSkipping::select(positions, m_skipMode, m_skipping, m_frameHeight)) {
            const QPointF& at = positions[index];
            if (!projection.contains(at))
                continue;
            const QString label = text(line[index], assignment);
            const double width = metrics.horizontalAdvance(label);
            const QPointF baseline(at.x() - width / 2.0, at.y() - gap - metrics.descent());
            painter.drawText(baseline, label);
            if (m_box)
                painter.drawRect(QRectF(baseline.x() - pad, baseline.y() - metrics.ascent() - pad, width + 2.0 * pad,
                                        metrics.height() + 2.0 * pad));
        }
    }
    painter.restore();
}

} // namespace kestrix::hostsim::render
