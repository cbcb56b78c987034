#include "RasterExportWriter.h"

#include "PagePicture.h"
#include "PictureRasterizer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>

#include <algorithm>

namespace kestrix::hostsim::exporting {

namespace {

// Qt's TIFF writer: 1 is LZW, lossless and read everywhere.
constexpr int TiffLzwCompression = 1;

QString tr(const char* text)
{
    return QCoreApplication::translate("RasterExportWriter", text);
}

QByteArray writerFormat(ExportFormat_e format)
{
    switch (format) {
    case ExportFormat_PNG: return QByteArrayLiteral("png");
    case ExportFormat_JPEG: return QByteArrayLiteral("jpeg");
    case ExportFormat_TIFF: return QByteArrayLiteral("tiff");
    default: return {};
    }
}

// A grey picture keeps its 256 levels as its colour table; a colour picture gets the table
// Qt's conversion chooses, dithered.
QImage toIndexedColours(const QImage& image)
{
    if (image.format() != QImage::Format_Grayscale8)
        return image.convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither);
    QImage indexed(image.size(), QImage::Format_Indexed8);
    if (indexed.isNull())
        return indexed;
    QList<QRgb> greys;
    for (int level = 0; level < 256; ++level)
        greys.append(qRgb(level, level, level));
    indexed.setColorTable(greys);
    for (int y = 0; y < image.height(); ++y)
        std::copy_n(image.constScanLine(y), image.width(), indexed.scanLine(y));
    return indexed;
}

} // namespace

bool RasterExportWriter::isRasterFormat(ExportFormat_e format)
{
    return !writerFormat(format).isEmpty();
}

bool RasterExportWriter::write(QIODevice& device, const PagePicture& picture, const ExportSettings& settings,
                               QString* error)
{
    const QByteArray format = writerFormat(settings.format);
    if (format.isEmpty()) {
        if (error)
            *error = tr("This format is not a picture format.");
        return false;
    }
    const QSize size = PictureRasterizer::sizeForWidth(picture.sizeInches(), settings.imageWidth);
    QImage image = PictureRasterizer::render(picture, size, settings.supersampleFactor, settings.grey, error);
    if (image.isNull())
        return false;
    if (settings.convertTo256Colors && settings.format != ExportFormat_JPEG)
        image = toIndexedColours(image);
    if (image.isNull()) {
        if (error)
            *error = tr("There is not enough memory to reduce the picture to 256 colours.");
        return false;
    }

    // Encoded in memory first: Qt's writers lose memory, or report success, when the device
    // fails under them, so the file sees only one write whose outcome is checked here.
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, format);
    if (settings.format == ExportFormat_JPEG) {
        writer.setQuality(std::clamp(settings.jpegQuality, 1, 100));
        writer.setProgressiveScanWrite(settings.progressiveJpeg);
    } else if (settings.format == ExportFormat_TIFF) {
        writer.setCompression(TiffLzwCompression);
    }
    if (!writer.write(image)) {
        if (error) {
            *error = tr("The %1 picture could not be written: %2")
                         .arg(QString::fromLatin1(format.toUpper()), writer.errorString());
        }
        return false;
    }
    if (device.write(encoded.data()) != encoded.size()) {
        if (error)
            *error = tr("The %1 picture could not be written: %2")
                         .arg(QString::fromLatin1(format.toUpper()), device.errorString());
        return false;
    }
    return true;
}

} // namespace kestrix::hostsim::exporting
