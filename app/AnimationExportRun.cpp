#include "AnimationExportRun.h"

#include "hostsim/movie/MovieExporter.h"
#include "hostsim/movie/MovieSettings.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QProgressDialog>

namespace kestrix::workbench {

using hostsim::movie::MovieExporter;
using hostsim::movie::MovieSettings;

namespace {

QString title()
{
    return QCoreApplication::translate("AnimationExportRun", "Export Animation");
}

QString progressText(const MovieExporter& exporter, int index)
{
    const QString zone = exporter.frameLabel(index);
    const QString step = QCoreApplication::translate("AnimationExportRun", "Writing zone %1 of %2")
                             .arg(index + 1)
                             .arg(exporter.frameCount());
    return zone.isEmpty() ? step + QStringLiteral("...") : QStringLiteral("%1: %2...").arg(step, zone);
}

} // namespace

const QString AnimationExportRun::ProgressDialogName = QStringLiteral("workbench_AnimationExport_Progress");
const QString AnimationExportRun::ErrorBoxName = QStringLiteral("workbench_AnimationExport_Error");

AnimationExportRun::AnimationExportRun(QWidget* parent) : m_parent(parent) {}

AnimationExportRun::Result AnimationExportRun::fail(const QString& message)
{
    m_error = message;
    QMessageBox box(QMessageBox::Critical, title(), message, QMessageBox::Ok, m_parent);
    box.setObjectName(ErrorBoxName);
    box.exec();
    return Result::Failed;
}

AnimationExportRun::Result AnimationExportRun::run()
{
    m_error.clear();
    MovieExporter exporter;
    QString error;
    if (!exporter.open(&error))
        return fail(error);
    {
        QProgressDialog progress(progressText(exporter, 0), QCoreApplication::translate("AnimationExportRun", "Cancel"),
                                 0, exporter.frameCount(), m_parent);
        progress.setObjectName(ProgressDialogName);
        progress.setWindowTitle(title());
        progress.setWindowModality(Qt::WindowModal);
        // The last step (finishing the movie) still follows once the bar is full.
        progress.setAutoClose(false);
        progress.setAutoReset(false);
        progress.setMinimumDuration(0);
        progress.show();
        for (int index = 0; index < exporter.frameCount(); ++index) {
            progress.setLabelText(progressText(exporter, index));
            // A modal progress dialog handles pending events here, Cancel clicks among them.
            progress.setValue(index);
            if (progress.wasCanceled()) {
                exporter.cancel();
                return Result::Cancelled;
            }
            if (!exporter.writeFrame(index, &error))
                break;
        }
        if (error.isEmpty()) {
            progress.setValue(exporter.frameCount());
            if (progress.wasCanceled()) {
                exporter.cancel();
                return Result::Cancelled;
            }
            exporter.finish(&error);
        }
    }
    return error.isEmpty() ? Result::Written : fail(error);
}

bool AnimationExportRun::exportWithoutWindow(const QString& fileName, int width, QString* error)
{
    MovieSettings settings = MovieSettings::fromApplicationSettings();
    settings.fileName = fileName;
    settings.exportFormat = MovieSettings::formatOfFileName(fileName);
    if (settings.exportFormat == ExportFormat_Invalid) {
        if (error)
            *error = QStringLiteral("A movie's file name must end in .mp4, .m4v or .avi: %1").arg(fileName);
        return false;
    }
    if (width > 0)
        settings.imageWidth = width;
    return MovieExporter(settings).exportAll(error);
}

} // namespace kestrix::workbench
