#include "Exporter.h"

#include "EpsExportWriter.h"
#include "PagePicture.h"
#include "RasterExportWriter.h"
#include "SafeFileWriter.h"

#include <QCoreApplication>

#include <new>

namespace kestrix::hostsim::exporting {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("Exporter", text);
}

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

bool isMovieFormat(ExportFormat_e format)
{
    return format == ExportFormat_AVI || format == ExportFormat_Flash || format == ExportFormat_MPEG4;
}

bool checkFormat(ExportFormat_e format, QString* error)
{
    if (format == ExportFormat_EPS || RasterExportWriter::isRasterFormat(format))
        return true;
    const QString name = Exporter::formatName(format);
    if (isMovieFormat(format)) {
        return fail(error, tr("%1 is a movie format: movies are written by Export Animation, not by a picture "
                              "export.")
                               .arg(name));
    }
    if (format == ExportFormat_WindowsMetafile || format == ExportFormat_RasterMetafile) {
        return fail(error, tr("%1 export is not supported by this host; choose PNG, JPEG, TIFF or EPS.").arg(name));
    }
    return fail(error, tr("Export format %1 is unknown; choose PNG, JPEG, TIFF or EPS.").arg(static_cast<int>(format)));
}

bool write(const ExportSettings& settings, const PagePicture& picture, QString* error)
{
    SafeFileWriter file(settings.fileName);
    if (!file.open(error))
        return false;
    QString writerError;
    const bool written = settings.format == ExportFormat_EPS
                             ? EpsExportWriter::write(file.device(), picture, settings, &writerError)
                             : RasterExportWriter::write(file.device(), picture, settings, &writerError);
    if (!written) {
        // A writer that meets a failed write says little more than "write error"; the file
        // knows why.
        const QString writeFailure = file.writeFailure();
        return fail(error, writeFailure.isEmpty() ? writerError : writeFailure);
    }
    return file.commit(error);
}

} // namespace

QString Exporter::formatName(ExportFormat_e format)
{
    switch (format) {
    case ExportFormat_RasterMetafile: return tr("Raster Metafile");
    case ExportFormat_TIFF: return QStringLiteral("TIFF");
    case ExportFormat_EPS: return QStringLiteral("EPS");
    case ExportFormat_WindowsMetafile: return tr("Windows Metafile (WMF)");
    case ExportFormat_PNG: return QStringLiteral("PNG");
    case ExportFormat_AVI: return QStringLiteral("AVI");
    case ExportFormat_JPEG: return QStringLiteral("JPEG");
    case ExportFormat_Flash: return QStringLiteral("Flash");
    case ExportFormat_MPEG4: return QStringLiteral("MPEG-4");
    default: return tr("format %1").arg(static_cast<int>(format));
    }
}

bool Exporter::run(const ExportSettings& settings, bool append, QString* error)
{
    try {
        return runChecked(settings, append, error);
    } catch (const std::bad_alloc&) {
        return fail(error, tr("There is not enough memory for the export."));
    }
}

bool Exporter::runChecked(const ExportSettings& settings, bool append, QString* error)
{
    if (!checkFormat(settings.format, error))
        return false;
    if (append) {
        return fail(error, tr("Appending is not possible for %1 files: a %1 file holds one picture. Export to a "
                              "file of its own instead.")
                               .arg(formatName(settings.format)));
    }
    if (settings.fileName.trimmed().isEmpty())
        return fail(error, tr("No file name is set for the export."));
    const PagePicture picture = PagePicture::capture(settings.region);
    if (picture.isNull()) {
        return fail(error, tr("There is nothing to export: the scene has no page with frames, or no current "
                              "frame."));
    }
    return write(settings, picture, error);
}

} // namespace kestrix::hostsim::exporting
