#pragma once

#include "LabelStyle.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

class QPainter;

namespace kestrix::hostsim::render {

class FieldZone;
class FrameSnapshot;

// Draws the node and cell labels of one projected zone: every INDEXSKIP-th node of the
// plotted surfaces and every INDEXSKIP-th cell, labelled with its number (from 1) or its
// variable's value (a cell's value is the mean of its nodes'), centred on the node or the
// cell's centre, in the label colour or the map's mesh colour, boxed when asked. A zone drawn
// as a dot gets no labels: they would only pile up on it.
class LabelPainter {
public:
    LabelPainter(QPainter& painter, const LabelStyle& style, double pixelHeight);

    void paint(const FieldZone& zone, const FrameSnapshot& snapshot);

private:
    void label(const QPointF& at, const QString& text, const QColor& color);

    QPainter& m_painter;
    const LabelStyle& m_style;
    QFont m_font;
};

} // namespace kestrix::hostsim::render
