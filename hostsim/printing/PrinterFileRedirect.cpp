#include "PrinterFileRedirect.h"

#include <QPrinter>

namespace kestrix::hostsim::printing {

PrinterFileRedirect::PrinterFileRedirect(QPrinter& printer, const QString& fileName)
    : m_printer(printer), m_originalFileName(printer.outputFileName())
{
    // The format first: a file name without the .pdf suffix leaves the format as it is.
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(fileName);
}

PrinterFileRedirect::~PrinterFileRedirect()
{
    m_printer.setOutputFileName(m_originalFileName);
}

} // namespace kestrix::hostsim::printing
