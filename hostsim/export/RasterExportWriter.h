#pragma once

#include "ExportSettings.h"

#include <QString>

class QIODevice;

namespace kestrix::hostsim::exporting {

class PagePicture;

// PNG, JPEG and TIFF exports: the picture drawn at the export width and written by Qt's
// image writers.
class RasterExportWriter {
public:
    static bool isRasterFormat(ExportFormat_e format);
    static bool write(QIODevice& device, const PagePicture& picture, const ExportSettings& settings, QString* error);
};

} // namespace kestrix::hostsim::exporting
