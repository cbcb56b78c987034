#pragma once

#include <kxsdkbase/Enumerations.h>

#include <QString>

namespace kestrix::hostsim::movie {

// What a movie export is asked to write, as the application settings hold it ("EXPORTSETUP"
// and "INTERFACE" "USEOFFSCREENBITMAP").
struct MovieSettings {
    QString fileName;
    int exportFormat = ExportFormat_MPEG4;
    double framesPerSecond = 10.0;
    int imageWidth = 800;
    // 1 draws each picture at its size; a larger factor draws it that many times larger and
    // scales it down smoothly.
    int supersampleFactor = 1;

    // Read from the kernel's application settings now.
    static MovieSettings fromApplicationSettings();
    // ExportFormat_MPEG4 for ".mp4" and ".m4v", ExportFormat_AVI for ".avi" (any case);
    // ExportFormat_Invalid for anything else.
    static int formatOfFileName(const QString& fileName);
};

} // namespace kestrix::hostsim::movie
