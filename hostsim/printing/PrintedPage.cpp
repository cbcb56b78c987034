#include "PrintedPage.h"

#include "GreyPaintDevice.h"
#include "PageRaster.h"

#include <QPainter>

#include <utility>

namespace kestrix::hostsim::printing {

PrintedPage::PrintedPage(exporting::PagePicture picture, QImage image)
    : m_picture(std::move(picture)), m_image(std::move(image))
{
}

std::optional<PrintedPage> PrintedPage::prepare(const exporting::PagePicture& picture, const PrintSettings& settings,
                                                const QSizeF& areaInches, QString* error)
{
    if (settings.renderType == PrintSettings::RenderType::Vector)
        return PrintedPage(picture, QImage());
    const QSizeF imageInches = picture.sizeInches().scaled(areaInches, Qt::KeepAspectRatio);
    QImage image = PageRaster::render(picture, imageInches, settings.imageResolution, settings.grey, error);
    if (image.isNull())
        return std::nullopt;
    return PrintedPage(picture, std::move(image));
}

void PrintedPage::draw(QPainter& painter, const QRectF& area, VectorColours colours) const
{
    if (!m_image.isNull()) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(fitted(area), m_image);
        painter.restore();
        return;
    }
    if (colours == VectorColours::AsDrawn) {
        m_picture.paint(painter, area);
        return;
    }
    GreyPaintDevice grey(painter);
    QPainter greyPainter(&grey);
    if (greyPainter.isActive())
        m_picture.paint(greyPainter, area);
}

QRectF PrintedPage::fitted(const QRectF& area) const
{
    QRectF rect(QPointF(), m_picture.sizeInches().scaled(area.size(), Qt::KeepAspectRatio));
    rect.moveCenter(area.center());
    return rect;
}

} // namespace kestrix::hostsim::printing
