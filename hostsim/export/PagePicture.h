#pragma once

#include <QRectF>
#include <QSizeF>

#include <memory>
#include <vector>

class QPainter;

namespace kestrix::hostsim::render {
class FrameSnapshot;
}

namespace kestrix::hostsim::exporting {

// What an export or a print shows: the current frame, all frames of the current page, or the
// work area (the paper with the frames on it), captured from the kernel as frame snapshots
// with their places, so that it can be painted later on any device and any thread.
class PagePicture {
public:
    enum Region { CurrentFrame = 0, AllFrames = 1, WorkArea = 2 };

    // Captures the region from the kernel now, on the GUI thread. isNull() when there is
    // nothing to draw (no page, no frame, an unknown region).
    static PagePicture capture(int region);

    bool isNull() const;
    QSizeF sizeInches() const;
    // Paints the whole region into `target` (any QPainter device: image, SVG generator,
    // printer), scaled uniformly and centred, so that a target of another proportion (a
    // printer's page) does not distort the frames. A target within one unit of the region's
    // proportion (a size rounded to whole pixels) is filled exactly.
    void paint(QPainter& painter, const QRectF& target) const;

private:
    struct PlacedFrame {
        std::shared_ptr<const render::FrameSnapshot> snapshot;
        QRectF placeInches;
    };

    QSizeF m_sizeInches;
    std::vector<PlacedFrame> m_frames;
};

} // namespace kestrix::hostsim::exporting
