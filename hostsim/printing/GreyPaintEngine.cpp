#include "GreyPaintEngine.h"

#include "GreyConversion.h"

#include <QPainter>
#include <QPainterPath>

namespace kestrix::hostsim::printing {

GreyPaintEngine::GreyPaintEngine(QPainter& target) : QPaintEngine(QPaintEngine::AllFeatures), m_target(target) {}

bool GreyPaintEngine::begin(QPaintDevice*)
{
    if (!m_target.isActive())
        return false;
    // The source's state replaces the target's while drawing and is undone at the end.
    m_target.save();
    m_baseTransform = m_target.worldTransform();
    return true;
}

bool GreyPaintEngine::end()
{
    m_target.restore();
    return true;
}

void GreyPaintEngine::updateState(const QPaintEngineState& state)
{
    const DirtyFlags dirty = state.state();
    // The transformation comes first: a clip in the same update is given in its coordinates.
    if (dirty & DirtyTransform)
        m_target.setWorldTransform(state.transform() * m_baseTransform);
    if (dirty & DirtyPen)
        m_target.setPen(GreyConversion::pen(state.pen()));
    if (dirty & DirtyBrush)
        m_target.setBrush(GreyConversion::brush(state.brush()));
    if (dirty & DirtyBrushOrigin)
        m_target.setBrushOrigin(state.brushOrigin());
    if (dirty & DirtyFont)
        m_target.setFont(state.font());
    if (dirty & DirtyBackground)
        m_target.setBackground(GreyConversion::brush(state.backgroundBrush()));
    if (dirty & DirtyBackgroundMode)
        m_target.setBackgroundMode(state.backgroundMode());
    if (dirty & DirtyHints) {
        m_target.setRenderHints(m_target.renderHints(), false);
        m_target.setRenderHints(state.renderHints(), true);
    }
    if (dirty & DirtyCompositionMode)
        m_target.setCompositionMode(state.compositionMode());
    if (dirty & DirtyOpacity)
        m_target.setOpacity(state.opacity());
    updateClip(state);
}

void GreyPaintEngine::updateClip(const QPaintEngineState& state)
{
    const DirtyFlags dirty = state.state();
    if (dirty & (DirtyClipPath | DirtyClipRegion)) {
        if (state.clipOperation() == Qt::NoClip)
            m_target.setClipping(false);
        else if (dirty & DirtyClipPath)
            m_target.setClipPath(state.clipPath(), state.clipOperation());
        else
            m_target.setClipRegion(state.clipRegion(), state.clipOperation());
    }
    // A painter's state without any clip still counts as clip-enabled; its operation tells.
    if (dirty & DirtyClipEnabled)
        m_target.setClipping(state.isClipEnabled() && state.clipOperation() != Qt::NoClip);
}

void GreyPaintEngine::drawPath(const QPainterPath& path)
{
    m_target.drawPath(path);
}

void GreyPaintEngine::drawPolygon(const QPointF* points, int pointCount, PolygonDrawMode mode)
{
    switch (mode) {
    case PolylineMode: m_target.drawPolyline(points, pointCount); break;
    case ConvexMode: m_target.drawConvexPolygon(points, pointCount); break;
    case OddEvenMode: m_target.drawPolygon(points, pointCount, Qt::OddEvenFill); break;
    case WindingMode: m_target.drawPolygon(points, pointCount, Qt::WindingFill); break;
    }
}

void GreyPaintEngine::drawLines(const QLineF* lines, int lineCount)
{
    m_target.drawLines(lines, lineCount);
}

void GreyPaintEngine::drawRects(const QRectF* rects, int rectCount)
{
    m_target.drawRects(rects, rectCount);
}

void GreyPaintEngine::drawPoints(const QPointF* points, int pointCount)
{
    m_target.drawPoints(points, pointCount);
}

void GreyPaintEngine::drawEllipse(const QRectF& rect)
{
    m_target.drawEllipse(rect);
}

void GreyPaintEngine::drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& sourceRect)
{
    m_target.drawPixmap(rect, GreyConversion::pixmap(pixmap), sourceRect);
}

void GreyPaintEngine::drawImage(const QRectF& rect, const QImage& image, const QRectF& sourceRect,
                                Qt::ImageConversionFlags flags)
{
    m_target.drawImage(rect, GreyConversion::image(image), sourceRect, flags);
}

void GreyPaintEngine::drawTiledPixmap(const QRectF& rect, const QPixmap& pixmap, const QPointF& offset)
{
    m_target.drawTiledPixmap(rect, GreyConversion::pixmap(pixmap), offset);
}

QPaintEngine::Type GreyPaintEngine::type() const
{
    return QPaintEngine::User;
}

} // namespace kestrix::hostsim::printing
