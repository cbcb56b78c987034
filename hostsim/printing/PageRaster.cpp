#include "PageRaster.h"

#include "GreyConversion.h"

#include <hostsim/export/PagePicture.h>

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kestrix::hostsim::printing {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PageRaster", text);
}

QImage fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return {};
}

} // namespace

QImage PageRaster::render(const exporting::PagePicture& picture, const QSizeF& sizeInches, int dotsPerInch, bool grey,
                          QString* error)
{
    if (dotsPerInch < 1)
        return fail(error, tr("The image resolution must be at least 1 dpi."));
    const double width = std::max(1.0, std::round(sizeInches.width() * dotsPerInch));
    const double height = std::max(1.0, std::round(sizeInches.height() * dotsPerInch));
    if (!(width * height <= MaximumPixels)) {
        return fail(error, tr("An image print at %1 dpi would be %2 × %3 pixels, more than the %4 million pixels "
                              "a print may have. Choose a lower image resolution.")
                               .arg(dotsPerInch)
                               .arg(width, 0, 'f', 0)
                               .arg(height, 0, 'f', 0)
                               .arg(MaximumPixels / 1e6, 0, 'f', 0));
    }
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull()) {
        return fail(error, tr("There is not enough memory for an image print of %1 × %2 pixels.")
                               .arg(width, 0, 'f', 0)
                               .arg(height, 0, 'f', 0));
    }
    // The image's resolution is the paper's, so that text sized in points keeps its size.
    const int dotsPerMeter = static_cast<int>(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        picture.paint(painter, QRectF(image.rect()));
    }
    if (!grey)
        return image;
    QImage greyImage = GreyConversion::image(image);
    if (greyImage.isNull())
        return fail(error, tr("There is not enough memory to turn the image print grey."));
    return greyImage;
}

} // namespace kestrix::hostsim::printing
