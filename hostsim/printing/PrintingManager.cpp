#include "PrintingManager.h"

#include "PdfFileJob.h"
#include "PostScriptFileJob.h"
#include "PrintSettings.h"
#include "PrinterJob.h"

#include <hostsim/export/PagePicture.h>
#include <hostsim/kernel/FaultInjection.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QPrinter>

#include <algorithm>
#include <exception>

namespace kestrix::hostsim::printing {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PrintingManager", text);
}

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

bool isPostScriptFile(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    return suffix.compare(QLatin1String("ps"), Qt::CaseInsensitive) == 0
           || suffix.compare(QLatin1String("cps"), Qt::CaseInsensitive) == 0;
}

bool printToQueue(QPrinter& printer, const exporting::PagePicture& picture, const PrintSettings& settings,
                  QString* error)
{
    printer.setOutputFormat(QPrinter::NativeFormat);
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return fail(error, tr("This system has no printing service; print to a file instead."));
    if (printer.printerName().isEmpty())
        return fail(error, tr("No printer is chosen and the system has no default printer."));
    const QString destination = tr("the printer %1").arg(printer.printerName());
    // The print queue makes the copies when it can.
    const int pageCount = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
    return PrinterJob::run(printer, picture, settings, pageCount, destination, error);
}

} // namespace

PrintingManager& PrintingManager::instance()
{
    static PrintingManager manager;
    return manager;
}

bool PrintingManager::print(QPrinter& printer)
{
    m_lastError.clear();
    if (kernel::FaultInjection::takeFailure(Host::Fault::Print)) {
        m_lastError = tr("Printing failed in the host.");
        return false;
    }
    QString error;
    try {
        if (printCurrentPage(printer, &error))
            return true;
    } catch (const std::exception& exception) {
        error = tr("Printing failed: %1").arg(QString::fromLocal8Bit(exception.what()));
    } catch (...) {
        error = tr("Printing failed for an unknown reason.");
    }
    m_lastError = error.isEmpty() ? tr("Printing failed.") : error;
    return false;
}

QString PrintingManager::lastError() const
{
    return m_lastError;
}

bool PrintingManager::printCurrentPage(QPrinter& printer, QString* error)
{
    if (printer.paintingActive())
        return fail(error, tr("The printer is busy with another print."));
    const exporting::PagePicture picture = exporting::PagePicture::capture(exporting::PagePicture::WorkArea);
    if (picture.isNull())
        return fail(error, tr("There is nothing to print: the current page has no frames."));
    const PrintSettings settings = PrintSettings::fromKernel();
    printer.setColorMode(settings.grey ? QPrinter::GrayScale : QPrinter::Color);

    const QString fileName = printer.outputFileName();
    if (fileName.isEmpty())
        return printToQueue(printer, picture, settings, error);
    const int copies = std::max(1, printer.copyCount());
    if (isPostScriptFile(fileName))
        return PostScriptFileJob::run(printer, fileName, picture, settings, copies, error);
    return PdfFileJob::run(printer, fileName, picture, settings, copies, error);
}

} // namespace kestrix::hostsim::printing
