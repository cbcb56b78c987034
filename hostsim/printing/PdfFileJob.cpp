#include "PdfFileJob.h"

#include "OutputLocation.h"
#include "PrinterFileRedirect.h"
#include "PrinterJob.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryFile>

namespace kestrix::hostsim::printing {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PdfFileJob", text);
}

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

// Qt's PDF output does not report write errors; a PDF file that was written to the end closes
// with the end-of-file marker.
bool isComplete(QFile& pdf)
{
    constexpr qint64 TailLength = 32;
    if (!pdf.open(QIODevice::ReadOnly) || pdf.size() < TailLength)
        return false;
    pdf.seek(pdf.size() - TailLength);
    const bool complete = pdf.read(TailLength).trimmed().endsWith("%%EOF");
    pdf.close();
    return complete;
}

bool copyInto(QFile& source, QSaveFile& target)
{
    constexpr qint64 ChunkLength = 1 << 20;
    if (!source.open(QIODevice::ReadOnly))
        return false;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(ChunkLength);
        if (chunk.isEmpty() || target.write(chunk) != chunk.size())
            return false;
    }
    return true;
}

} // namespace

bool PdfFileJob::run(QPrinter& printer, const QString& fileName, const exporting::PagePicture& picture,
                     const PrintSettings& settings, int pageCount, QString* error)
{
    if (!OutputLocation::check(fileName, error))
        return false;
    const QString shownName = QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
    // QSaveFile gives the file its name only on commit (and discards it otherwise) and keeps an
    // existing file's permissions; opening it first finds an unwritable folder before anything
    // is drawn.
    QSaveFile output(fileName);
    if (!output.open(QIODevice::WriteOnly))
        return fail(error, tr("%1 cannot be written: %2").arg(shownName, output.errorString()));

    // Qt's PDF output writes only to a named file, so the printer writes a spool file next to
    // the destination first.
    QTemporaryFile spool(QFileInfo(fileName).absoluteDir().filePath(QStringLiteral(".print-XXXXXX.pdf")));
    if (!spool.open())
        return fail(error, tr("%1 cannot be written: %2").arg(shownName, spool.errorString()));
    spool.close();
    {
        PrinterFileRedirect redirect(printer, spool.fileName());
        if (!PrinterJob::run(printer, picture, settings, pageCount, shownName, error))
            return false;
    }
    if (!isComplete(spool))
        return fail(error, tr("%1 could not be written completely.").arg(shownName));
    if (!copyInto(spool, output))
        return fail(error, tr("%1 could not be written: %2").arg(shownName, output.errorString()));
    if (!output.commit())
        return fail(error, tr("%1 could not be saved: %2").arg(shownName, output.errorString()));
    return true;
}

} // namespace kestrix::hostsim::printing
