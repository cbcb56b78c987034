#include "MovieExporter.h"

#include "MovieEncoder.h"
#include "MovieEncoding.h"
#include "MoviePicture.h"

#include "hostsim/export/SafeFileWriter.h"
#include "hostsim/kernel/Scene.h"
#include "hostsim/render/FrameSnapshot.h"

#include <utility>

namespace kestrix::hostsim::movie {

namespace {

constexpr double SlowestFramesPerSecond = 0.01;
constexpr double FastestFramesPerSecond = 1000.0;

} // namespace

MovieExporter::MovieExporter() : MovieExporter(MovieSettings::fromApplicationSettings()) {}

MovieExporter::MovieExporter(MovieSettings settings) : m_settings(std::move(settings)) {}

MovieExporter::~MovieExporter()
{
    cancel();
}

bool MovieExporter::fail(QString* error, const QString& message)
{
    cancel();
    if (error)
        *error = message;
    return false;
}

bool MovieExporter::open(QString* error)
{
    cancel();
    QString problem;
    const std::optional<MovieEncoding> encoding = MovieEncoding::forExportFormat(m_settings.exportFormat, &problem);
    if (!encoding)
        return fail(error, problem);
    m_file = std::make_unique<exporting::SafeFileWriter>(m_settings.fileName);
    if (!m_file->open(&problem))
        return fail(error, problem);
    if (!(m_settings.framesPerSecond >= SlowestFramesPerSecond && m_settings.framesPerSecond <= FastestFramesPerSecond))
        return fail(error, QStringLiteral("The animation speed must be from %1 to %2 frames per second; it is %3.")
                               .arg(SlowestFramesPerSecond)
                               .arg(FastestFramesPerSecond)
                               .arg(m_settings.framesPerSecond));
    const std::shared_ptr<const render::FrameSnapshot> frame = render::FrameSnapshot::capture();
    if (!frame)
        return fail(error, QStringLiteral("There is no current frame to export."));
    if (frame->frame().zoneCount() == 0)
        return fail(error, QStringLiteral("The current frame has no zones, so its movie would have no frames."));
    const std::optional<MoviePicture> picture =
        MoviePicture::forFrame(*frame, m_settings.imageWidth, m_settings.supersampleFactor, &problem);
    if (!picture)
        return fail(error, problem);

    m_encoder = std::make_unique<MovieEncoder>();
    if (!m_encoder->open(m_file->device(), *encoding, picture->size(), m_settings.framesPerSecond, &problem))
        return fail(error, problem);

    m_picture = std::make_unique<MoviePicture>(*picture);
    m_frameId = frame->frame().id;
    for (const kernel::Zone& zone : frame->frame().zones)
        m_zoneNames.append(QString::fromStdString(zone.name));
    return true;
}

int MovieExporter::frameCount() const
{
    return static_cast<int>(m_zoneNames.size());
}

QString MovieExporter::frameLabel(int index) const
{
    return m_zoneNames.value(index);
}

QSize MovieExporter::frameSize() const
{
    return m_picture ? m_picture->size() : QSize();
}

bool MovieExporter::writeFrame(int index, QString* error)
{
    if (!isOpen())
        return fail(error, QStringLiteral("The movie is not open for writing."));
    if (index != m_written)
        return fail(error, QStringLiteral("Movie frame %1 comes next, not %2.").arg(m_written).arg(index));
    const std::shared_ptr<const render::FrameSnapshot> snapshot =
        render::FrameSnapshot::captureShowingZone(m_frameId, index + 1);
    if (!snapshot || snapshot->frame().zoneCount() != frameCount())
        return fail(error, QStringLiteral("The frame being exported changed or was removed during the export."));
    QString problem;
    if (!m_encoder->encode(m_picture->draw(*snapshot), &problem))
        return fail(error, problem);
    ++m_written;
    return true;
}

bool MovieExporter::finish(QString* error)
{
    if (!isOpen())
        return fail(error, QStringLiteral("The movie is not open for writing."));
    if (m_written != frameCount())
        return fail(error,
                    QStringLiteral("Only %1 of the movie's %2 frames were written.").arg(m_written).arg(frameCount()));
    QString problem;
    if (!m_encoder->finish(&problem))
        return fail(error, problem);
    m_encoder.reset();
    if (!m_file->commit(&problem))
        return fail(error, problem);
    m_file.reset();
    return true;
}

bool MovieExporter::exportAll(QString* error)
{
    if (!open(error))
        return false;
    for (int index = 0; index < frameCount(); ++index) {
        if (!writeFrame(index, error))
            return false;
    }
    return finish(error);
}

void MovieExporter::cancel()
{
    m_encoder.reset();
    // An uncommitted writer removes its temporary file.
    m_file.reset();
    m_picture.reset();
    m_zoneNames.clear();
    m_frameId = 0;
    m_written = 0;
}

bool MovieExporter::isOpen() const
{
    return m_encoder != nullptr;
}

} // namespace kestrix::hostsim::movie
