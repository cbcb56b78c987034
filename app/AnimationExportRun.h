#pragma once

#include <QString>

class QWidget;

namespace kestrix::workbench {

// Writes the animation of the current frame, one movie frame per zone, with the application's
// export settings ("EXPORTSETUP"): File > Export Animation... and the command line's movie
// export.
class AnimationExportRun {
public:
    enum class Result { Written, Cancelled, Failed };

    // Object names of the windows a run shows, for tests and scripted use.
    static const QString ProgressDialogName;
    static const QString ErrorBoxName;

    explicit AnimationExportRun(QWidget* parent);

    // Exports while a window-modal progress dialog names the zone being written; its Cancel
    // button stops the export and removes what was written. A failure is shown in a critical
    // message box before the run returns.
    Result run();
    // Why the last run failed; empty after a written or cancelled one.
    const QString& errorText() const { return m_error; }

    // Without any window: the settings' movie written to `fileName`, in the container its
    // suffix names (".mp4" or ".m4v" MPEG-4, ".avi" AVI), `width` pixels wide or the image
    // width of the settings for 0. False with `error` set when the movie was not written.
    static bool exportWithoutWindow(const QString& fileName, int width, QString* error);

private:
    Result fail(const QString& message);

    QWidget* m_parent;
    QString m_error;
};

} // namespace kestrix::workbench
