#include "PrintSettings.h"

#include <hostsim/Host.h>

#include <QVariant>

namespace kestrix::hostsim::printing {

namespace {

// PRINTRENDERTYPE 1 prints a picture; PALETTE 2 is colour, everything else grey.
constexpr int ImageRenderType = 1;
constexpr int ColourPalette = 2;

// Read for the host's own use, so that printing does not count as style reads of the library.
QVariant printSetup(const char* keyword)
{
    return Host::instance().styleValue({QStringLiteral("PRINTSETUP"), QString::fromLatin1(keyword)});
}

} // namespace

PrintSettings PrintSettings::fromKernel()
{
    PrintSettings settings;
    const QVariant renderType = printSetup("PRINTRENDERTYPE");
    if (renderType.isValid())
        settings.renderType = renderType.toInt() == ImageRenderType ? RenderType::Image : RenderType::Vector;
    const QVariant resolution = printSetup("IMAGERESOLUTION");
    if (resolution.isValid() && resolution.toInt() > 0)
        settings.imageResolution = resolution.toInt();
    const QVariant palette = printSetup("PALETTE");
    if (palette.isValid())
        settings.grey = palette.toInt() != ColourPalette;
    return settings;
}

} // namespace kestrix::hostsim::printing
