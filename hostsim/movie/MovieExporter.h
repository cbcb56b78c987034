#pragma once

#include "MovieSettings.h"

#include <kxsdkbase/KernelApi.h>

#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

namespace kestrix::hostsim::exporting {
class SafeFileWriter;
}

namespace kestrix::hostsim::movie {

class MovieEncoder;
class MoviePicture;

// Writes a movie of the current frame that steps through its zones: movie frame k shows the
// frame drawing only what belongs to zone k + 1. It works step by step, so that a caller can
// show progress and stop between frames:
//
//     MovieExporter exporter;                  // reads the application settings
//     if (!exporter.open(&error)) ...
//     for (int k = 0; k < exporter.frameCount(); ++k)
//         if (!exporter.writeFrame(k, &error)) ...
//     if (!exporter.finish(&error)) ...
//
// The movie goes into a temporary file beside the target, which replaces the target only when
// finish() succeeds; a failure, cancel() or destroying an unfinished exporter leaves neither
// that file nor any change to the target behind. Everything runs on the calling thread, which
// must be the kernel's (the GUI thread).
class MovieExporter {
public:
    // From the application settings as they are now.
    MovieExporter();
    explicit MovieExporter(MovieSettings settings);
    ~MovieExporter();
    MovieExporter(const MovieExporter&) = delete;
    MovieExporter& operator=(const MovieExporter&) = delete;

    const MovieSettings& settings() const { return m_settings; }

    // Checks the settings and the current frame, opens the temporary file and writes the
    // movie's header. False with `error` set and nothing left behind when any of it fails.
    bool open(QString* error);
    // After open(): the number of movie frames, one per zone of the frame.
    int frameCount() const;
    // After open(): the name of the zone that movie frame `index` shows.
    QString frameLabel(int index) const;
    // After open(): the movie's picture size, even in both directions.
    QSize frameSize() const;
    // Draws and encodes movie frame `index`; frames go in order from 0. A failure cancels the
    // export.
    bool writeFrame(int index, QString* error);
    // After all frames: completes the movie and moves it onto the target. A failure cancels.
    bool finish(QString* error);
    // open(), every frame and finish() in one go, for callers that show no progress.
    bool exportAll(QString* error);
    // Abandons the export: the temporary file is removed and the target stays as it was.
    void cancel();
    bool isOpen() const;
    int framesWritten() const { return m_written; }

private:
    bool fail(QString* error, const QString& message);

    MovieSettings m_settings;
    UniqueID_t m_frameId = 0;
    QStringList m_zoneNames;
    std::unique_ptr<MoviePicture> m_picture;
    // Declared before the encoder, which writes into it, so that it outlives the encoder.
    std::unique_ptr<exporting::SafeFileWriter> m_file;
    std::unique_ptr<MovieEncoder> m_encoder;
    int m_written = 0;
};

} // namespace kestrix::hostsim::movie
