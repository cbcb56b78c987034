#pragma once

#include <QPaintEngine>
#include <QTransform>

class QPainter;

namespace kestrix::hostsim::printing {

// Passes every drawing call on to another painter with its colours turned grey, so that a
// drawing reaches a vector device (a PDF file, a printer) grey and still as vectors. Qt's
// grey-scale PDF output greys plain colours and pictures but not gradients, which is why the
// conversion happens before the drawing reaches the device.
//
// Text reaches the target as glyph outlines (QPaintEngine's default), filled with the greyed
// pen, so that it is drawn exactly where the source painter laid it out. The source's clip
// replaces any clip the target had.
class GreyPaintEngine : public QPaintEngine {
public:
    explicit GreyPaintEngine(QPainter& target);

    bool begin(QPaintDevice* device) override;
    bool end() override;
    void updateState(const QPaintEngineState& state) override;

    using QPaintEngine::drawEllipse;
    using QPaintEngine::drawLines;
    using QPaintEngine::drawPoints;
    using QPaintEngine::drawPolygon;
    using QPaintEngine::drawRects;
    void drawPath(const QPainterPath& path) override;
    void drawPolygon(const QPointF* points, int pointCount, PolygonDrawMode mode) override;
    void drawLines(const QLineF* lines, int lineCount) override;
    void drawRects(const QRectF* rects, int rectCount) override;
    void drawPoints(const QPointF* points, int pointCount) override;
    void drawEllipse(const QRectF& rect) override;
    void drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& sourceRect) override;
    void drawImage(const QRectF& rect, const QImage& image, const QRectF& sourceRect,
                   Qt::ImageConversionFlags flags) override;
    void drawTiledPixmap(const QRectF& rect, const QPixmap& pixmap, const QPointF& offset) override;
    Type type() const override;

private:
    void updateClip(const QPaintEngineState& state);

    QPainter& m_target;
    // The target's own transformation when drawing began; the source's transformations apply
    // on top of it.
    QTransform m_baseTransform;
};

} // namespace kestrix::hostsim::printing
