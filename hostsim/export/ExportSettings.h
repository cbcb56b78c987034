#pragma once

#include <kxsdkbase/KernelApi.h>

#include <QString>

namespace kestrix::hostsim::exporting {

// The application's export settings ("EXPORTSETUP", with the print resolution, palette and
// off-screen drawing they depend on), read from the kernel's style store when an export
// starts.
struct ExportSettings {
    QString fileName;
    ExportFormat_e format = ExportFormat_PNG;
    int region = 0;
    int imageWidth = 800;
    // Movie frames per second.
    double animationSpeed = 10.0;
    // 1 when supersampling is off, also when off-screen drawing is turned off.
    int supersampleFactor = 1;
    int jpegQuality = 75;
    bool progressiveJpeg = false;
    bool convertTo256Colors = false;
    // EPS only: a picture at `imageResolution` dots per inch instead of vectors.
    bool epsAsImage = false;
    int imageResolution = 150;
    bool grey = false;

    static ExportSettings fromKernel();
};

} // namespace kestrix::hostsim::exporting
