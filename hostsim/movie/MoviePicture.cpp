#include "MoviePicture.h"

#include "hostsim/export/PictureRasterizer.h"
#include "hostsim/render/FrameRenderer.h"
#include "hostsim/render/FrameSnapshot.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kestrix::hostsim::movie {

namespace {

// The renderer's own guard against a frame of no width.
constexpr double NarrowestFrameInches = 0.1;

int evenAtLeastTwo(double side)
{
    const auto rounded = static_cast<long long>(std::floor(side));
    return static_cast<int>(std::max(2LL, rounded - rounded % 2));
}

} // namespace

std::optional<MoviePicture> MoviePicture::forFrame(const render::FrameSnapshot& frame, int width, int supersampleFactor,
                                                   QString* error)
{
    if (width > MaximumSide) {
        if (error)
            *error = QStringLiteral("A movie can be at most %1 pixels wide; the image width is %2.")
                         .arg(MaximumSide)
                         .arg(width);
        return std::nullopt;
    }
    const double aspect = frame.heightInches() / std::max(NarrowestFrameInches, frame.widthInches());
    const int evenWidth = evenAtLeastTwo(width);
    const double height = std::round(evenWidth * aspect);
    if (height > MaximumSide) {
        if (error)
            *error = QStringLiteral("A movie can be at most %1 pixels high; at %2 pixels wide the frame's proportions "
                                    "need %3. Choose a smaller image width.")
                         .arg(MaximumSide)
                         .arg(evenWidth)
                         .arg(height);
        return std::nullopt;
    }
    const QSize size(evenWidth, evenAtLeastTwo(height));
    int factor = std::max(1, supersampleFactor);
    while (factor > 1 && static_cast<long long>(size.width()) * factor * size.height() * factor > MaximumDrawnPixels)
        --factor;
    return MoviePicture(size, factor);
}

QImage MoviePicture::draw(const render::FrameSnapshot& snapshot) const
{
    const QImage picture = exporting::PictureRasterizer::supersampled(
        m_size, m_factor, [&snapshot](QPainter& painter, const QRectF& target) {
            render::FrameRenderer::render(painter, target, snapshot);
        });
    return picture.convertToFormat(QImage::Format_RGBX8888);
}

} // namespace kestrix::hostsim::movie
