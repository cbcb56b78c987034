#pragma once

#include "ExportSettings.h"

#include <QString>

class QIODevice;

namespace kestrix::hostsim::exporting {

class PagePicture;

// EPS exports, one page the size of the region: vectors, or with the image render type the
// picture drawn at the print resolution. Either way grey when the palette is not colour.
class EpsExportWriter {
public:
    static bool write(QIODevice& device, const PagePicture& picture, const ExportSettings& settings, QString* error);
};

} // namespace kestrix::hostsim::exporting
