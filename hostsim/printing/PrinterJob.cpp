#include "PrinterJob.h"

#include "PrintSettings.h"
#include "PrintedPage.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

namespace kestrix::hostsim::printing {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PrinterJob", text);
}

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

} // namespace

bool PrinterJob::run(QPrinter& printer, const exporting::PagePicture& picture, const PrintSettings& settings,
                     int pageCount, const QString& destination, QString* error)
{
    // Device coordinates start at the printable area (or the paper, for a full-page printer).
    const QRectF area(0.0, 0.0, printer.width(), printer.height());
    if (area.isEmpty() || printer.logicalDpiX() <= 0 || printer.logicalDpiY() <= 0)
        return fail(error, tr("%1 has no printable area.").arg(destination));
    const QSizeF areaInches(area.width() / printer.logicalDpiX(), area.height() / printer.logicalDpiY());
    const std::optional<PrintedPage> page = PrintedPage::prepare(picture, settings, areaInches, error);
    if (!page)
        return false;
    const PrintedPage::VectorColours colours =
        settings.grey ? PrintedPage::VectorColours::Grey : PrintedPage::VectorColours::AsDrawn;

    QPainter painter;
    if (!painter.begin(&printer))
        return fail(error, tr("Printing to %1 could not start.").arg(destination));
    for (int index = 0; index < pageCount; ++index) {
        if (index > 0 && !printer.newPage()) {
            painter.end();
            return fail(error, tr("Page %1 could not be started on %2.").arg(index + 1).arg(destination));
        }
        page->draw(painter, area, colours);
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return fail(error, tr("Printing to %1 failed.").arg(destination));
    return true;
}

} // namespace kestrix::hostsim::printing
