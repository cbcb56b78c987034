#pragma once

#include "ExportSettings.h"

#include <QString>

namespace kestrix::hostsim::exporting {

// A picture export from start to end: checks what is asked for, captures the region, draws
// it in the chosen format into a temporary file and puts that in place of the target.
class Exporter {
public:
    // `append` asks to add the picture to an existing file; no format written here can hold
    // more than one picture, so it is refused. False with a message on any failure, and then
    // no file and no temporary file is left.
    static bool run(const ExportSettings& settings, bool append, QString* error);
    // The format's name for messages ("PNG", "Windows Metafile").
    static QString formatName(ExportFormat_e format);

private:
    static bool runChecked(const ExportSettings& settings, bool append, QString* error);
};

} // namespace kestrix::hostsim::exporting
