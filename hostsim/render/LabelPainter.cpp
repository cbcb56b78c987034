#include "LabelPainter.h"

#include "FieldPalette.h"
#include "FieldPoints.h"
#include "FieldZone.h"
#include "FrameSnapshot.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace kestrix::hostsim::render {

LabelPainter::LabelPainter(QPainter& painter, const LabelStyle& style, double pixelHeight)
    : m_painter(painter),
      m_style(style),
      m_font(painter.font())
{
    if (!style.family.isEmpty())
        m_font.setFamily(style.family);
    m_font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelHeight))));
}

void LabelPainter::label(const QPointF& at, const QString& text, const QColor& color)
{
    const QFontMetricsF metrics(m_font);
    QRectF box(0.0, 0.0, metrics.horizontalAdvance(text) + 2.0, metrics.height());
    box.moveCenter(at);
    if (m_style.includeBox) {
        m_painter.setPen(QPen(color, 1.0));
        m_painter.setBrush(Qt::white);
        m_painter.drawRect(box.adjusted(-1.0, 0.0, 1.0, 0.0));
    }
    m_painter.setPen(color);
    m_painter.drawText(box, Qt::AlignCenter, text);
}

void LabelPainter::paint(const FieldZone& zone, const FrameSnapshot& snapshot)
{
    if (!zone.isDrawable() || zone.isTiny())
        return;
    const int color = m_style.colorByMap
                          ? static_cast<int>(snapshot.integer({"FIELDMAP", "MESH", "COLOR"}, zone.map()).value_or(0))
                          : m_style.color;
    const QColor textColor = FieldPalette::basic(color);
    m_painter.save();
    m_painter.setFont(m_font);
    const auto centre = [&zone](const FieldPoint& point) {
        QPointF sum;
        for (int n = 0; n < point.count; ++n)
            sum += zone.point(point.nodes[n]);
        return sum / point.count;
    };
    const auto value = [&zone, &snapshot](int variable, const FieldPoint& point, double& result) {
        const std::vector<double>* values = snapshot.values(zone.number(), variable);
        if (!values || static_cast<long>(values->size()) != zone.nodeCount())
            return false;
        result = 0.0;
        for (int n = 0; n < point.count; ++n)
            result += (*values)[static_cast<std::size_t>(point.nodes[n])] / point.count;
        return true;
    };
    const auto labels = [&](const std::vector<FieldPoint>& points, int type, int variable) {
        for (const FieldPoint& point : points) {
            double number = 0.0;
            if (type == 0)
                label(centre(point), QString::number(point.index + 1), textColor);
            else if (value(variable, point, number))
                label(centre(point), m_style.number(number), textColor);
        }
    };
    if (m_style.showNodes)
        labels(FieldPoints::surfaceNodes(zone, m_style.indexSkip), m_style.nodeType, m_style.nodeVariable);
    if (m_style.showCells)
        labels(FieldPoints::cells(zone, m_style.indexSkip), m_style.cellType, m_style.cellVariable);
    m_painter.restore();
}

} // namespace kestrix::hostsim::render
