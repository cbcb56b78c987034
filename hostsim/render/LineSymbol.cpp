#include "LineSymbol.h"

#include <kxsdkbase/Enumerations.h>

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>

namespace kestrix::hostsim::render {

namespace {

QPolygonF polygon(std::initializer_list<QPointF> points)
{
    return QPolygonF(QList<QPointF>(points));
}

QFont characterFont(const LineMapStyle::Symbols& symbols, double size)
{
    QFont font(QStringLiteral("Helvetica"));
    if (!symbols.useBaseFont) {
        switch (symbols.font) {
        case Font_HelveticaBold:
            font.setBold(true);
            break;
        case Font_Greek:
        case Font_Math:
            font.setFamily(QStringLiteral("Symbol"));
            break;
        case Font_Times:
        case Font_TimesItalic:
        case Font_TimesBold:
        case Font_TimesItalicBold:
            font.setFamily(QStringLiteral("Times New Roman"));
            font.setItalic(symbols.font == Font_TimesItalic || symbols.font == Font_TimesItalicBold);
            font.setBold(symbols.font == Font_TimesBold || symbols.font == Font_TimesItalicBold);
            break;
        case Font_Courier:
        case Font_CourierBold:
            font.setFamily(QStringLiteral("Courier New"));
            font.setBold(symbols.font == Font_CourierBold);
            break;
        default:
            break;
        }
    }
    font.setPixelSize(std::max(1, static_cast<int>(size + 0.5)));
    return font;
}

} // namespace

LineSymbol::LineSymbol(const LineMapStyle& style, double frameHeight)
    : m_size(std::max(1.0, LineMapStyle::pixels(style.symbols.size, frameHeight))),
      m_pen(style.symbolPen(frameHeight)),
      m_brush(style.symbolBrush())
{
    if (style.symbols.isAscii) {
        buildCharacter(style.symbols);
        return;
    }
    buildShape(style.symbols.shape);
    if (style.symbols.shape == GeomShape_Point) {
        m_brush = m_pen.color();
    } else if (style.symbols.shape == GeomShape_Sphere) {
        // Shading from a highlight at the upper left gives the sphere its depth.
        const double h = m_size / 2.0;
        QRadialGradient shade(QPointF(0.0, 0.0), h, QPointF(-0.4 * h, -0.4 * h));
        shade.setColorAt(0.0, Qt::white);
        shade.setColorAt(1.0, m_brush.style() == Qt::NoBrush ? m_pen.color() : m_brush.color());
        m_brush = shade;
    }
}

void LineSymbol::buildShape(int shape)
{
    const double h = m_size / 2.0;
    switch (shape) {
    case GeomShape_Del:
        m_outline.addPolygon(polygon({{0.0, -h}, {h, h}, {-h, h}}));
        break;
    case GeomShape_Grad:
        m_outline.addPolygon(polygon({{0.0, h}, {h, -h}, {-h, -h}}));
        break;
    case GeomShape_RTri:
        m_outline.addPolygon(polygon({{h, 0.0}, {-h, -h}, {-h, h}}));
        break;
    case GeomShape_LTri:
        m_outline.addPolygon(polygon({{-h, 0.0}, {h, -h}, {h, h}}));
        break;
    case GeomShape_Diamond:
        m_outline.addPolygon(polygon({{0.0, -h}, {h, 0.0}, {0.0, h}, {-h, 0.0}}));
        break;
    case GeomShape_Circle:
    case GeomShape_Sphere:
        m_outline.addEllipse(QPointF(0.0, 0.0), h, h);
        break;
    case GeomShape_Cube: {
        // The front face and the visible top and right faces, seen from above right.
        const double d = 0.3 * m_size;
        m_outline.addPolygon(polygon({{-h, -h + d}, {-h + d, -h}, {h, -h}, {h, h - d}, {h - d, h}, {-h, h}}));
        m_outline.closeSubpath();
        m_edges.addPolygon(polygon({{-h, -h + d}, {h - d, -h + d}, {h - d, h}}));
        m_edges.moveTo(h - d, -h + d);
        m_edges.lineTo(h, -h);
        break;
    }
    case GeomShape_Octahedron:
        m_outline.addPolygon(polygon({{0.0, -h}, {h, 0.0}, {0.0, h}, {-h, 0.0}}));
        m_outline.closeSubpath();
        m_edges.moveTo(-h, 0.0);
        m_edges.lineTo(0.2 * h, 0.25 * h);
        m_edges.lineTo(h, 0.0);
        m_edges.moveTo(0.0, -h);
        m_edges.lineTo(0.2 * h, 0.25 * h);
        m_edges.lineTo(0.0, h);
        break;
    case GeomShape_Point: {
        const double r = std::max(1.5, m_size / 6.0);
        m_outline.addEllipse(QPointF(0.0, 0.0), r, r);
        break;
    }
    default:
        m_outline.addRect(-h, -h, m_size, m_size);
        break;
    }
    m_outline.closeSubpath();
}

void LineSymbol::buildCharacter(const LineMapStyle::Symbols& symbols)
{
    // The kernel keeps the character behind a backslash.
    std::string character = symbols.character;
    if (!character.empty() && character.front() == '\\')
        character.erase(0, 1);
    const QString text = QString::fromUtf8(character.c_str());
    if (text.isEmpty())
        return;
    const QFont font = characterFont(symbols, m_size);
    const QFontMetricsF metrics(font);
    const QRectF bounds = metrics.tightBoundingRect(text);
    m_outline.addText(-bounds.center(), font, text);
    m_brush = m_pen.color();
    m_pen = Qt::NoPen;
}

void LineSymbol::paint(QPainter& painter, const QPointF& at) const
{
    painter.translate(at);
    painter.setPen(m_pen);
    painter.setBrush(m_brush);
    painter.drawPath(m_outline);
    if (!m_edges.isEmpty()) {
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(m_edges);
    }
    painter.translate(-at);
}

} // namespace kestrix::hostsim::render
