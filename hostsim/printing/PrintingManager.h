#pragma once

#include <dialogs/printing/WindowsPrintingManagerInterface.h>

#include <QString>

namespace kestrix::hostsim::printing {

// The stand-in host's printing: prints the current page (the paper with its frames) onto the
// printer the dialogs set up, as the kernel's PRINTSETUP settings say at that moment: as
// vectors or as an image of the image resolution, in colour or grey. The printer's output file
// name decides the output: .pdf a PDF file, .ps or .cps a PostScript file, any other name a
// PDF file, and no name the print queue. Files get one page per copy, since no printer makes
// the copies; a print queue makes them itself.
class PrintingManager : public sdk::integration::WindowsPrintingManagerInterface {
public:
    // The one the host offers the library.
    static PrintingManager& instance();

    // False on any failure, with the reason in lastError(); never throws.
    bool print(QPrinter& printer) override;
    // Why the last print failed; empty after a print that succeeded.
    QString lastError() const;

private:
    static bool printCurrentPage(QPrinter& printer, QString* error);

    QString m_lastError;
};

} // namespace kestrix::hostsim::printing
