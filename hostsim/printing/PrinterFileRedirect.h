#pragma once

#include <QString>

class QPrinter;

namespace kestrix::hostsim::printing {

// Sends a printer's PDF output to another file while it lives and gives the printer its own
// file name back afterwards; the printer stays a PDF printer.
class PrinterFileRedirect {
public:
    PrinterFileRedirect(QPrinter& printer, const QString& fileName);
    ~PrinterFileRedirect();

    PrinterFileRedirect(const PrinterFileRedirect&) = delete;
    PrinterFileRedirect& operator=(const PrinterFileRedirect&) = delete;

private:
    QPrinter& m_printer;
    QString m_originalFileName;
};

} // namespace kestrix::hostsim::printing
