#pragma once

#include <QSize>
#include <QString>

#include <memory>

class QIODevice;
class QImage;

namespace kestrix::hostsim::movie {

class MovieEncoding;

// Encodes pictures into a movie with FFmpeg, one frame per picture at a constant rate, and
// writes the container into a device of Qt's, so that the caller decides where the bytes go
// and what becomes of them when the movie is abandoned.
class MovieEncoder {
public:
    MovieEncoder();
    ~MovieEncoder();
    MovieEncoder(const MovieEncoder&) = delete;
    MovieEncoder& operator=(const MovieEncoder&) = delete;

    // Writes the container's header into `output`, which must be open for writing, seekable
    // (MP4 puts its index in front of the data once the data is written) and outlive the
    // encoder. `size` must be even in both directions.
    bool open(QIODevice& output, const MovieEncoding& encoding, const QSize& size, double framesPerSecond,
              QString* error);
    // Encodes the next frame; the picture must have the size given to open().
    bool encode(const QImage& picture, QString* error);
    // Drains the encoder and writes the container's trailer. The encoder takes no more
    // pictures afterwards.
    bool finish(QString* error);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::hostsim::movie
