#include "ExportSettings.h"

#include <hostsim/Host.h>

#include <QStringList>
#include <QVariant>

#include <cmath>
#include <initializer_list>

namespace kestrix::hostsim::exporting {

namespace {

// Read for the host's own use, so that an export does not count as style reads of the library.
QVariant setting(std::initializer_list<const char*> path)
{
    QStringList keywords;
    for (const char* keyword : path)
        keywords << QString::fromLatin1(keyword);
    return Host::instance().styleValue(keywords);
}

long integer(std::initializer_list<const char*> path, long fallback)
{
    const QVariant value = setting(path);
    if (!value.isValid() || value.typeId() == QMetaType::QString)
        return fallback;
    return std::lround(value.toDouble());
}

double real(std::initializer_list<const char*> path, double fallback)
{
    const QVariant value = setting(path);
    return value.isValid() && value.typeId() != QMetaType::QString ? value.toDouble() : fallback;
}

bool isOn(std::initializer_list<const char*> path, bool fallback)
{
    return integer(path, fallback ? 1 : 0) != 0;
}

QString text(std::initializer_list<const char*> path)
{
    const QVariant value = setting(path);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

} // namespace

ExportSettings ExportSettings::fromKernel()
{
    // The palette's colour setting; the others (grey and monochrome) give grey output.
    constexpr long ColourPalette = 2;

    ExportSettings settings;
    settings.fileName = text({"EXPORTSETUP", "EXPORTFNAME"});
    settings.format = static_cast<ExportFormat_e>(integer({"EXPORTSETUP", "EXPORTFORMAT"}, ExportFormat_PNG));
    settings.region = static_cast<int>(integer({"EXPORTSETUP", "EXPORTREGION"}, 0));
    settings.imageWidth = static_cast<int>(integer({"EXPORTSETUP", "IMAGEWIDTH"}, 800));
    settings.animationSpeed = real({"EXPORTSETUP", "ANIMATIONSPEED"}, settings.animationSpeed);
    const bool supersample =
        isOn({"EXPORTSETUP", "USESUPERSAMPLEANTIALIASING"}, false) && isOn({"INTERFACE", "USEOFFSCREENBITMAP"}, true);
    settings.supersampleFactor = supersample ? static_cast<int>(integer({"EXPORTSETUP", "SUPERSAMPLEFACTOR"}, 3)) : 1;
    settings.jpegQuality = static_cast<int>(integer({"EXPORTSETUP", "QUALITY"}, 75));
    settings.progressiveJpeg = integer({"EXPORTSETUP", "JPEGENCODING"}, 0) == 1;
    settings.convertTo256Colors = isOn({"EXPORTSETUP", "CONVERTTO256COLORS"}, false);
    settings.epsAsImage = integer({"EXPORTSETUP", "PRINTRENDERTYPE"}, 0) == 1;
    settings.imageResolution = static_cast<int>(integer({"PRINTSETUP", "IMAGERESOLUTION"}, 150));
    settings.grey = integer({"PRINTSETUP", "PALETTE"}, ColourPalette) != ColourPalette;
    return settings;
}

} // namespace kestrix::hostsim::exporting
