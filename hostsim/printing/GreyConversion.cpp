#include "GreyConversion.h"

#include <QGradient>

namespace kestrix::hostsim::printing {

namespace {

QRgb greyRgba(QRgb rgba)
{
    const int grey = qGray(rgba);
    return qRgba(grey, grey, grey, qAlpha(rgba));
}

QImage withGreyColourTable(const QImage& image)
{
    QImage grey = image;
    QList<QRgb> table = grey.colorTable();
    for (QRgb& entry : table)
        entry = greyRgba(entry);
    grey.setColorTable(table);
    return grey;
}

QImage opaqueGrey(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QImage grey(rgb.size(), QImage::Format_Grayscale8);
    if (rgb.isNull() || grey.isNull())
        return {};
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* target = grey.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x)
            target[x] = static_cast<uchar>(qGray(source[x]));
    }
    return grey;
}

QImage translucentGrey(const QImage& image)
{
    QImage grey = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* pixels = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x)
            pixels[x] = greyRgba(pixels[x]);
    }
    return grey;
}

} // namespace

QColor GreyConversion::colour(const QColor& colour)
{
    if (!colour.isValid())
        return colour;
    return QColor::fromRgba(greyRgba(colour.rgba()));
}

QBrush GreyConversion::brush(const QBrush& brush)
{
    switch (brush.style()) {
    case Qt::NoBrush: return brush;
    case Qt::LinearGradientPattern:
    case Qt::RadialGradientPattern:
    case Qt::ConicalGradientPattern: {
        QGradient gradient = *brush.gradient();
        QGradientStops stops = gradient.stops();
        for (QGradientStop& stop : stops)
            stop.second = colour(stop.second);
        gradient.setStops(stops);
        QBrush grey(gradient);
        grey.setTransform(brush.transform());
        return grey;
    }
    case Qt::TexturePattern: {
        QBrush grey = brush;
        // A one-bit texture is a stencil painted in the brush colour.
        if (brush.textureImage().depth() == 1)
            grey.setColor(colour(brush.color()));
        else
            grey.setTextureImage(image(brush.textureImage()));
        return grey;
    }
    default: {
        QBrush grey = brush;
        grey.setColor(colour(brush.color()));
        return grey;
    }
    }
}

QPen GreyConversion::pen(const QPen& pen)
{
    QPen grey = pen;
    grey.setBrush(brush(pen.brush()));
    return grey;
}

QImage GreyConversion::image(const QImage& image)
{
    if (image.isNull() || image.isGrayscale())
        return image;
    QImage grey;
    if (image.colorCount() > 0)
        grey = withGreyColourTable(image);
    else if (image.hasAlphaChannel())
        grey = translucentGrey(image);
    else
        grey = opaqueGrey(image);
    grey.setDotsPerMeterX(image.dotsPerMeterX());
    grey.setDotsPerMeterY(image.dotsPerMeterY());
    grey.setDevicePixelRatio(image.devicePixelRatio());
    return grey;
}

QPixmap GreyConversion::pixmap(const QPixmap& pixmap)
{
    if (pixmap.isNull() || pixmap.depth() == 1)
        return pixmap;
    return QPixmap::fromImage(image(pixmap.toImage()));
}

} // namespace kestrix::hostsim::printing
