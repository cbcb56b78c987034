#include "EpsExportWriter.h"

#include "PagePicture.h"
#include "PictureRasterizer.h"
#include "PostScriptWriter.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kestrix::hostsim::exporting {

namespace {

constexpr double PointsPerInch = 72.0;

} // namespace

bool EpsExportWriter::write(QIODevice& device, const PagePicture& picture, const ExportSettings& settings,
                            QString* error)
{
    const QSizeF inches = picture.sizeInches();
    const QSizeF page = inches * PointsPerInch;
    if (!settings.epsAsImage) {
        const auto draw = [&picture, page](QPainter& painter, int) {
            picture.paint(painter, QRectF(QPointF(0.0, 0.0), page));
        };
        return PostScriptWriter::write(device, PostScriptWriter::Kind::EncapsulatedPostScript, page, 1, draw,
                                       settings.grey, error);
    }
    const double width = std::round(inches.width() * settings.imageResolution);
    const QSize size = PictureRasterizer::sizeForWidth(inches, static_cast<int>(std::min(width, 1.0e9)));
    const QImage image = PictureRasterizer::render(picture, size, settings.supersampleFactor, settings.grey, error);
    if (image.isNull())
        return false;
    return PostScriptWriter::writeImage(device, PostScriptWriter::Kind::EncapsulatedPostScript, page, image, error);
}

} // namespace kestrix::hostsim::exporting
