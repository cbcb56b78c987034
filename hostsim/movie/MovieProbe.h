#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace kestrix::hostsim::movie {

// Reads a movie file back with FFmpeg and tells what it holds: the container, the first video
// stream's codec, size and frame rate, and how many frames it decodes to. Meant for checking
// what an export wrote.
class MovieProbe {
public:
    enum class Pictures { Count, Keep };

    // Decodes the whole first video stream; with Pictures::Keep every decoded frame is kept
    // as an RGB picture, so only for short movies. False with `error` set when the file
    // cannot be read as a movie.
    bool read(const QString& path, QString* error, Pictures pictures = Pictures::Count);

    // FFmpeg's name of the container's demuxer: "avi", "mov,mp4,m4a,3gp,3g2,mj2", ...
    const QString& containerName() const { return m_container; }
    // FFmpeg's name of the codec: "h264", "mpeg4", "mjpeg", ...
    const QString& codecName() const { return m_codec; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    int frameCount() const { return m_frameCount; }
    // The stream's average frame rate, or its base rate when the container gives no average;
    // 0 when it gives neither.
    double framesPerSecond() const { return m_framesPerSecond; }
    const QList<QImage>& pictures() const { return m_pictures; }

private:
    QString m_container;
    QString m_codec;
    int m_width = 0;
    int m_height = 0;
    int m_frameCount = 0;
    double m_framesPerSecond = 0.0;
    QList<QImage> m_pictures;
};

} // namespace kestrix::hostsim::movie
