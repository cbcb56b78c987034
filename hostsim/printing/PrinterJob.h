#pragma once

#include <QString>

class QPrinter;

namespace kestrix::hostsim::exporting {
class PagePicture;
}

namespace kestrix::hostsim::printing {

struct PrintSettings;

// Draws a print onto a QPrinter as it is set up (a print queue or a PDF file), the page in
// the printer's printable area.
class PrinterJob {
public:
    // `pageCount` times the page. False with a message in `error` on failure; `destination`
    // names the printer or file in that message.
    static bool run(QPrinter& printer, const exporting::PagePicture& picture, const PrintSettings& settings,
                    int pageCount, const QString& destination, QString* error);
};

} // namespace kestrix::hostsim::printing
