#include "MovieSettings.h"

#include "hostsim/export/ExportSettings.h"

#include <QFileInfo>

namespace kestrix::hostsim::movie {

MovieSettings MovieSettings::fromApplicationSettings()
{
    const exporting::ExportSettings exportSettings = exporting::ExportSettings::fromKernel();
    MovieSettings settings;
    settings.fileName = exportSettings.fileName;
    settings.exportFormat = exportSettings.format;
    settings.framesPerSecond = exportSettings.animationSpeed;
    settings.imageWidth = exportSettings.imageWidth;
    settings.supersampleFactor = exportSettings.supersampleFactor;
    return settings;
}

int MovieSettings::formatOfFileName(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("mp4") || suffix == QLatin1String("m4v"))
        return ExportFormat_MPEG4;
    if (suffix == QLatin1String("avi"))
        return ExportFormat_AVI;
    return ExportFormat_Invalid;
}

} // namespace kestrix::hostsim::movie
