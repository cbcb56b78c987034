#pragma once

#include <kxsdkbase/KernelApi.h>

#include <QRectF>
#include <QSizeF>

#include <vector>

namespace kestrix::hostsim::exporting {

// Where the frames of an export region lie, in inches, with the region's own size. The kernel
// keeps no places of frames on the paper, so the frames of a page are tiled in their order:
// rows of ceil(sqrt(n)) frames, each column as wide as its widest frame and each row as high
// as its highest. The work area is landscape letter paper with that tiling centred inside
// its margins, reduced to fit when it is larger.
class PageLayout {
public:
    static constexpr double PaperWidthInches = 11.0;
    static constexpr double PaperHeightInches = 8.5;
    static constexpr double PaperMarginInches = 0.5;

    struct FrameBox {
        UniqueID_t frameId = 0;
        QSizeF sizeInches;
    };
    struct Place {
        UniqueID_t frameId = 0;
        QRectF rectInches;
    };

    // The region (0 the current frame, 1 all frames of the current page, 2 the work area) of
    // the kernel's current page; null when there is no such frame or the region is unknown.
    static PageLayout ofCurrentPage(int region);

    static PageLayout currentFrame(const FrameBox& frame);
    static PageLayout allFrames(const std::vector<FrameBox>& frames);
    static PageLayout workArea(const std::vector<FrameBox>& frames);

    bool isNull() const { return m_places.empty(); }
    QSizeF sizeInches() const { return m_sizeInches; }
    const std::vector<Place>& places() const { return m_places; }

private:
    QSizeF m_sizeInches;
    std::vector<Place> m_places;
};

} // namespace kestrix::hostsim::exporting
