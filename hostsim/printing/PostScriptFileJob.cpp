#include "PostScriptFileJob.h"

#include "OutputLocation.h"
#include "PrintSettings.h"
#include "PrintedPage.h"

#include <hostsim/export/PostScriptWriter.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QSaveFile>

namespace kestrix::hostsim::printing {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PostScriptFileJob", text);
}

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

} // namespace

bool PostScriptFileJob::run(const QPrinter& printer, const QString& fileName, const exporting::PagePicture& picture,
                            const PrintSettings& settings, int pageCount, QString* error)
{
    if (!OutputLocation::check(fileName, error))
        return false;
    const QString shownName = QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
    const QPageLayout layout = printer.pageLayout();
    const QRectF paper = layout.fullRect(QPageLayout::Point);
    const QRectF area = printer.fullPage() ? paper : layout.paintRect(QPageLayout::Point);
    if (paper.isEmpty() || area.isEmpty())
        return fail(error, tr("The printer's paper has no printable area."));
    const std::optional<PrintedPage> page = PrintedPage::prepare(picture, settings, area.size() / 72.0, error);
    if (!page)
        return false;

    // Not committed, QSaveFile discards what was written and leaves an existing file as it was.
    QSaveFile output(fileName);
    if (!output.open(QIODevice::WriteOnly))
        return fail(error, tr("%1 cannot be written: %2").arg(shownName, output.errorString()));
    QString writeError;
    // The writer greys the whole page itself, vectors and pictures alike.
    const bool written = exporting::PostScriptWriter::write(
        output, exporting::PostScriptWriter::Kind::PostScript, paper.size(), pageCount,
        [&page, &area](QPainter& painter, int) { page->draw(painter, area, PrintedPage::VectorColours::AsDrawn); },
        settings.grey, &writeError);
    if (!written)
        return fail(error, tr("%1 could not be written: %2").arg(shownName, writeError));
    if (!output.commit())
        return fail(error, tr("%1 could not be saved: %2").arg(shownName, output.errorString()));
    return true;
}

} // namespace kestrix::hostsim::printing
