#include "PageLayout.h"

#include "PagePicture.h"

#include "hostsim/kernel/Kernel.h"

#include <algorithm>
#include <cmath>

namespace kestrix::hostsim::exporting {

PageLayout PageLayout::ofCurrentPage(int region)
{
    const kernel::Scene& scene = kernel::Kernel::instance().scene();
    const kernel::Page* page = scene.page();
    if (!page)
        return {};
    std::vector<FrameBox> frames;
    frames.reserve(page->frames.size());
    for (const auto& frame : page->frames)
        frames.push_back({frame->id, QSizeF(frame->widthInches, frame->heightInches)});
    switch (region) {
    case PagePicture::CurrentFrame: {
        const kernel::Frame* current = scene.current();
        return current ? currentFrame({current->id, QSizeF(current->widthInches, current->heightInches)})
                       : PageLayout();
    }
    case PagePicture::AllFrames: return allFrames(frames);
    case PagePicture::WorkArea: return workArea(frames);
    default: return {};
    }
}

PageLayout PageLayout::currentFrame(const FrameBox& frame)
{
    PageLayout layout;
    if (frame.sizeInches.isEmpty())
        return layout;
    layout.m_sizeInches = frame.sizeInches;
    layout.m_places.push_back({frame.frameId, QRectF(QPointF(0.0, 0.0), frame.sizeInches)});
    return layout;
}

PageLayout PageLayout::allFrames(const std::vector<FrameBox>& frames)
{
    PageLayout layout;
    if (frames.empty())
        return layout;
    const auto count = static_cast<int>(frames.size());
    const int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
    const int rows = (count + columns - 1) / columns;
    std::vector<double> columnWidths(static_cast<std::size_t>(columns), 0.0);
    std::vector<double> rowHeights(static_cast<std::size_t>(rows), 0.0);
    for (int i = 0; i < count; ++i) {
        const QSizeF size = frames[static_cast<std::size_t>(i)].sizeInches;
        double& width = columnWidths[static_cast<std::size_t>(i % columns)];
        double& height = rowHeights[static_cast<std::size_t>(i / columns)];
        width = std::max(width, size.width());
        height = std::max(height, size.height());
    }
    std::vector<double> columnLefts(1, 0.0);
    for (double width : columnWidths)
        columnLefts.push_back(columnLefts.back() + width);
    std::vector<double> rowTops(1, 0.0);
    for (double height : rowHeights)
        rowTops.push_back(rowTops.back() + height);
    for (int i = 0; i < count; ++i) {
        const FrameBox& frame = frames[static_cast<std::size_t>(i)];
        const QPointF topLeft(columnLefts[static_cast<std::size_t>(i % columns)],
                              rowTops[static_cast<std::size_t>(i / columns)]);
        layout.m_places.push_back({frame.frameId, QRectF(topLeft, frame.sizeInches)});
    }
    layout.m_sizeInches = QSizeF(columnLefts.back(), rowTops.back());
    if (layout.m_sizeInches.isEmpty())
        return {};
    return layout;
}

PageLayout PageLayout::workArea(const std::vector<FrameBox>& frames)
{
    const PageLayout tiled = allFrames(frames);
    if (tiled.isNull())
        return tiled;
    const double usableWidth = PaperWidthInches - 2.0 * PaperMarginInches;
    const double usableHeight = PaperHeightInches - 2.0 * PaperMarginInches;
    const QSizeF block = tiled.sizeInches();
    const double scale = std::min({1.0, usableWidth / block.width(), usableHeight / block.height()});
    const QPointF origin((PaperWidthInches - block.width() * scale) / 2.0,
                         (PaperHeightInches - block.height() * scale) / 2.0);
    PageLayout layout;
    layout.m_sizeInches = QSizeF(PaperWidthInches, PaperHeightInches);
    for (const Place& place : tiled.places()) {
        const QRectF& rect = place.rectInches;
        layout.m_places.push_back({place.frameId, QRectF(origin + rect.topLeft() * scale, rect.size() * scale)});
    }
    return layout;
}

} // namespace kestrix::hostsim::exporting
