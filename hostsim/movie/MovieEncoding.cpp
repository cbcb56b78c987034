#include "MovieEncoding.h"

#include "FfmpegHandles.h"

#include <kxsdkbase/Enumerations.h>

#include <QStringList>

#include <utility>

namespace kestrix::hostsim::movie {

MovieEncoding::MovieEncoding(QString label, QByteArray container, QByteArray encoder)
    : m_label(std::move(label)), m_container(std::move(container)), m_encoder(std::move(encoder))
{
}

std::optional<MovieEncoding> MovieEncoding::forExportFormat(int exportFormat, QString* error)
{
    switch (exportFormat) {
    case ExportFormat_AVI: return choose(QStringLiteral("AVI"), "avi", {"mpeg4", "mjpeg"}, error);
    case ExportFormat_MPEG4: return choose(QStringLiteral("MPEG-4"), "mp4", {"libx264", "mpeg4"}, error);
    case ExportFormat_Flash:
        if (error)
            *error = QStringLiteral("Flash movies are not supported by this host; choose AVI or MPEG-4.");
        return std::nullopt;
    default:
        if (error)
            *error =
                QStringLiteral("The export format %1 is not a movie format; choose AVI or MPEG-4.").arg(exportFormat);
        return std::nullopt;
    }
}

std::optional<MovieEncoding> MovieEncoding::choose(const QString& label, const QByteArray& container,
                                                   const QList<QByteArray>& encoders, QString* error)
{
    if (!av_guess_format(container.constData(), nullptr, nullptr)) {
        if (error)
            *error = QStringLiteral("FFmpeg cannot write %1 files here (no \"%2\" container).")
                         .arg(label, QString::fromLatin1(container));
        return std::nullopt;
    }
    QStringList tried;
    for (const QByteArray& encoder : encoders) {
        if (avcodec_find_encoder_by_name(encoder.constData()))
            return MovieEncoding(label, container, encoder);
        tried.append(QString::fromLatin1(encoder));
    }
    if (error)
        *error = QStringLiteral("FFmpeg has no encoder for %1 movies here (tried %2).")
                     .arg(label, tried.join(QStringLiteral(", ")));
    return std::nullopt;
}

} // namespace kestrix::hostsim::movie
