#pragma once

#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <functional>

class QPainter;
class QRectF;

namespace kestrix::hostsim::exporting {

class PagePicture;

// Draws a page picture into an image of a given size, optionally supersampled: drawn at
// `factor` times the size and scaled down smoothly, so that edges and thin lines are
// antialiased by averaging.
//
// Memory is bounded: a picture of more than MaximumPixels pixels is refused, and the
// supersampling factor is lowered (down to none) until the enlarged drawing fits in
// MaximumPixels too, since at 4 bytes a pixel anything beyond would take gigabytes.
class PictureRasterizer {
public:
    static constexpr qint64 MaximumPixels = 100'000'000;

    // `width` pixels wide, as high as the region's proportion gives, at least 1.
    static QSize sizeForWidth(const QSizeF& sizeInches, int width);
    // The largest factor, up to `requested`, whose drawing stays within MaximumPixels.
    static int supersampleFactorFor(const QSize& size, int requested);
    // What `paint` draws into a target rectangle of `size`, drawn at `factor` times the size
    // and scaled down; RGB32 on white, null when memory runs out. The factor is not checked
    // against MaximumPixels.
    static QImage supersampled(const QSize& size, int factor,
                               const std::function<void(QPainter&, const QRectF&)>& paint);
    // RGB32, or Grayscale8 when `grey`; a null image with a message in `error` on failure.
    static QImage render(const PagePicture& picture, const QSize& size, int supersampleFactor, bool grey,
                         QString* error);
};

} // namespace kestrix::hostsim::exporting
