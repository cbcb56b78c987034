#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace kestrix::hostsim::render {
class FrameSnapshot;
} // namespace kestrix::hostsim::render

namespace kestrix::hostsim::movie {

// The size of a movie's pictures and how they are drawn. The encoders store colour at half
// resolution (YUV 4:2:0), so both sides are even and at least 2.
class MoviePicture {
public:
    // The largest side: MPEG-4 Part 2 stores sizes in 13 bits, and a larger picture would need
    // hundreds of megabytes per frame on the way through the encoder.
    static constexpr int MaximumSide = 8190;
    // The supersampled drawing is kept within this many pixels (256 MiB at 4 bytes each) by
    // lowering the factor; a factor of 1 always fits.
    static constexpr long long MaximumDrawnPixels = 64LL * 1024 * 1024;

    // The pictures for a frame in its proportions, `width` pixels wide rounded down to even.
    // Null with `error` set when a side would exceed MaximumSide.
    static std::optional<MoviePicture> forFrame(const render::FrameSnapshot& frame, int width, int supersampleFactor,
                                                QString* error);

    QSize size() const { return m_size; }
    int supersampleFactor() const { return m_factor; }
    // The snapshot's picture at size(), opaque, in byte order R, G, B, X.
    QImage draw(const render::FrameSnapshot& snapshot) const;

private:
    MoviePicture(QSize size, int factor) : m_size(size), m_factor(factor) {}

    QSize m_size;
    int m_factor = 1;
};

} // namespace kestrix::hostsim::movie
