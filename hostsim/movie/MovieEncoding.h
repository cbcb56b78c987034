#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace kestrix::hostsim::movie {

// The container and the video encoder a movie is written with, by FFmpeg's names.
class MovieEncoding {
public:
    // AVI: the "avi" container with the built-in MPEG-4 Part 2 encoder. MPEG-4: the "mp4"
    // container with H.264 through libx264 when FFmpeg has it, else MPEG-4 Part 2. Null with
    // `error` set for Flash and for every format that is not a movie.
    static std::optional<MovieEncoding> forExportFormat(int exportFormat, QString* error);
    // The first of the encoders that FFmpeg provides; null with `error` set when it has none
    // of them. `label` names the format in that message ("MPEG-4").
    static std::optional<MovieEncoding> choose(const QString& label, const QByteArray& container,
                                               const QList<QByteArray>& encoders, QString* error);

    const QString& label() const { return m_label; }
    const QByteArray& container() const { return m_container; }
    const QByteArray& encoder() const { return m_encoder; }

private:
    MovieEncoding(QString label, QByteArray container, QByteArray encoder);

    QString m_label;
    QByteArray m_container;
    QByteArray m_encoder;
};

} // namespace kestrix::hostsim::movie
