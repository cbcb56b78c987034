#include "PictureRasterizer.h"

#include "PagePicture.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kestrix::hostsim::exporting {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PictureRasterizer", text);
}

QImage fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return {};
}

qint64 pixelCount(const QSize& size)
{
    return static_cast<qint64>(size.width()) * size.height();
}

} // namespace

QSize PictureRasterizer::sizeForWidth(const QSizeF& sizeInches, int width)
{
    width = std::max(1, width);
    if (sizeInches.isEmpty())
        return QSize(width, 1);
    const double height = std::round(width * sizeInches.height() / sizeInches.width());
    // Kept within int so that an absurd proportion is refused by the pixel limit, not wrapped.
    return QSize(width, static_cast<int>(std::clamp(height, 1.0, 1.0e9)));
}

int PictureRasterizer::supersampleFactorFor(const QSize& size, int requested)
{
    int factor = std::max(1, requested);
    while (factor > 1 && pixelCount(size) * factor * factor > MaximumPixels)
        --factor;
    return factor;
}

QImage PictureRasterizer::supersampled(const QSize& size, int factor,
                                       const std::function<void(QPainter&, const QRectF&)>& paint)
{
    QImage canvas(size * factor, QImage::Format_RGB32);
    if (canvas.isNull())
        return {};
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        // Drawn in the final size's coordinates, so that pen widths and text sizes grow with
        // the factor and shrink back with the scaling.
        painter.scale(factor, factor);
        paint(painter, QRectF(QPointF(0.0, 0.0), QSizeF(size)));
    }
    return factor > 1 ? canvas.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation) : canvas;
}

QImage PictureRasterizer::render(const PagePicture& picture, const QSize& size, int supersampleFactor, bool grey,
                                 QString* error)
{
    if (picture.isNull())
        return fail(error, tr("There is nothing to draw."));
    if (size.isEmpty())
        return fail(error, tr("The picture has no size."));
    if (pixelCount(size) > MaximumPixels) {
        return fail(error, tr("The picture would be %1 × %2 pixels (%3 megapixels); exports are limited to %4 "
                              "megapixels so that they fit in memory. Choose a smaller image width or resolution.")
                               .arg(size.width())
                               .arg(size.height())
                               .arg(pixelCount(size) / 1'000'000)
                               .arg(MaximumPixels / 1'000'000));
    }
    const int factor = supersampleFactorFor(size, supersampleFactor);
    QImage result = supersampled(
        size, factor, [&picture](QPainter& painter, const QRectF& target) { picture.paint(painter, target); });
    if (result.isNull()) {
        return fail(error, tr("There is not enough memory for a picture of %1 × %2 pixels.")
                               .arg(size.width() * factor)
                               .arg(size.height() * factor));
    }
    if (grey)
        result = result.convertToFormat(QImage::Format_Grayscale8);
    if (result.isNull())
        return fail(error, tr("There is not enough memory to finish the picture."));
    return result;
}

} // namespace kestrix::hostsim::exporting
