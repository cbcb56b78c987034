#pragma once

#include <QString>

class QPrinter;

namespace kestrix::hostsim::exporting {
class PagePicture;
}

namespace kestrix::hostsim::printing {

struct PrintSettings;

// A print into a PDF file through the printer's own PDF output, so that the printer's paper,
// margins and resolution apply. The file appears under its name only once it is complete: an
// existing file stays as it was when printing fails, and no partial file is left behind.
class PdfFileJob {
public:
    // `pageCount` times the page. False with a message in `error` on failure.
    static bool run(QPrinter& printer, const QString& fileName, const exporting::PagePicture& picture,
                    const PrintSettings& settings, int pageCount, QString* error);
};

} // namespace kestrix::hostsim::printing
