#include "PostScriptWriter.h"

#include "CairoPostScriptSurface.h"
#include "SvgGreyFilter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cmath>

namespace kestrix::hostsim::exporting {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PostScriptWriter", text);
}

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

// The page as SVG whose user units are points.
bool pageAsSvg(const QSizeF& pageSize, const std::function<void(QPainter&, int)>& drawPage, int pageIndex,
               QByteArray* svg, QString* error)
{
    QBuffer buffer(svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(72);
    generator.setSize(
        QSize(static_cast<int>(std::ceil(pageSize.width())), static_cast<int>(std::ceil(pageSize.height()))));
    generator.setViewBox(QRectF(QPointF(0.0, 0.0), pageSize));
    QPainter painter;
    if (!painter.begin(&generator))
        return fail(error, tr("The page could not be drawn as vectors."));
    drawPage(painter, pageIndex);
    painter.end();
    return true;
}

bool checkArguments(const QIODevice& device, PostScriptWriter::Kind kind, const QSizeF& pageSize, int pageCount,
                    QString* error)
{
    if (!device.isWritable())
        return fail(error, tr("The PostScript output is not open for writing."));
    if (!(pageSize.width() > 0.0 && pageSize.height() > 0.0))
        return fail(error, tr("The page has no size."));
    // Cairo's coordinates are fixed-point numbers of 24 integer bits; pages stay well inside.
    constexpr double LargestPagePoints = 1.0e6;
    if (pageSize.width() > LargestPagePoints || pageSize.height() > LargestPagePoints)
        return fail(error, tr("The page is too large for PostScript output."));
    if (pageCount < 1)
        return fail(error, tr("There are no pages to write."));
    if (kind == PostScriptWriter::Kind::EncapsulatedPostScript && pageCount != 1)
        return fail(error, tr("An EPS file holds exactly one page."));
    return true;
}

} // namespace

bool PostScriptWriter::write(QIODevice& device, Kind kind, const QSizeF& pageSizePoints, int pageCount,
                             const std::function<void(QPainter&, int)>& drawPage, bool grey, QString* error)
{
    if (!checkArguments(device, kind, pageSizePoints, pageCount, error))
        return false;
    if (!drawPage)
        return fail(error, tr("Nothing draws the pages."));
    CairoPostScriptSurface surface(device, kind, pageSizePoints);
    for (int page = 0; page < pageCount; ++page) {
        QByteArray svg;
        if (!pageAsSvg(pageSizePoints, drawPage, page, &svg, error))
            return false;
        if (grey)
            svg = SvgGreyFilter::apply(svg);
        if (!surface.addSvgPage(svg, error))
            return false;
    }
    return surface.finish(error);
}

bool PostScriptWriter::writeImage(QIODevice& device, Kind kind, const QSizeF& pageSizePoints, const QImage& image,
                                  QString* error)
{
    if (!checkArguments(device, kind, pageSizePoints, 1, error))
        return false;
    CairoPostScriptSurface surface(device, kind, pageSizePoints);
    return surface.addImagePage(image, error) && surface.finish(error);
}

} // namespace kestrix::hostsim::exporting
