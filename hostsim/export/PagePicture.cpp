#include "PagePicture.h"

#include "PageLayout.h"

#include "hostsim/render/FrameRenderer.h"
#include "hostsim/render/FrameSnapshot.h"

#include <QPainter>

#include <algorithm>

namespace kestrix::hostsim::exporting {

PagePicture PagePicture::capture(int region)
{
    const PageLayout layout = PageLayout::ofCurrentPage(region);
    PagePicture picture;
    for (const PageLayout::Place& place : layout.places()) {
        std::shared_ptr<const render::FrameSnapshot> snapshot = render::FrameSnapshot::capture(place.frameId);
        if (!snapshot)
            return {};
        picture.m_frames.push_back({std::move(snapshot), place.rectInches});
    }
    picture.m_sizeInches = layout.sizeInches();
    return picture;
}

bool PagePicture::isNull() const
{
    return m_frames.empty();
}

QSizeF PagePicture::sizeInches() const
{
    return m_sizeInches;
}

void PagePicture::paint(QPainter& painter, const QRectF& target) const
{
    if (isNull() || target.isEmpty())
        return;
    const double scale = std::min(target.width() / m_sizeInches.width(), target.height() / m_sizeInches.height());
    QSizeF drawn = m_sizeInches * scale;
    // A target that misses the proportion by less than a unit is a size rounded to whole
    // pixels: it is filled, so that no edge falls on half a pixel.
    if (target.width() - drawn.width() < 1.0 && target.height() - drawn.height() < 1.0)
        drawn = target.size();
    const QPointF origin = target.center() - QPointF(drawn.width() / 2.0, drawn.height() / 2.0);
    const double scaleX = drawn.width() / m_sizeInches.width();
    const double scaleY = drawn.height() / m_sizeInches.height();
    painter.save();
    painter.fillRect(QRectF(origin, drawn), Qt::white);
    for (const PlacedFrame& frame : m_frames) {
        const QRectF& inches = frame.placeInches;
        const QRectF place(origin.x() + inches.x() * scaleX, origin.y() + inches.y() * scaleY, inches.width() * scaleX,
                           inches.height() * scaleY);
        render::FrameRenderer::render(painter, place, *frame.snapshot);
    }
    painter.restore();
}

} // namespace kestrix::hostsim::exporting
