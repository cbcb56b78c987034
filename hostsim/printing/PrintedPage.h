#pragma once

#include "PrintSettings.h"

#include <hostsim/export/PagePicture.h>

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

class QPainter;

namespace kestrix::hostsim::printing {

// One page of a print as the print settings make it: the picture as vectors, or, of the image
// print type, the picture rendered once at the image resolution and drawn for every copy.
class PrintedPage {
public:
    enum class VectorColours { Grey, AsDrawn };

    // The page for a printable area of `areaInches`. Nothing when the image print cannot be
    // made, with the reason in `error`.
    static std::optional<PrintedPage> prepare(const exporting::PagePicture& picture, const PrintSettings& settings,
                                              const QSizeF& areaInches, QString* error);

    // Draws the page into `area`, the printable area in the painter's coordinates, scaled
    // uniformly and centred. Vectors turn grey on the way when asked; an image print is grey
    // already when the settings ask for grey.
    void draw(QPainter& painter, const QRectF& area, VectorColours colours) const;

private:
    PrintedPage(exporting::PagePicture picture, QImage image);

    QRectF fitted(const QRectF& area) const;

    exporting::PagePicture m_picture;
    QImage m_image;
};

} // namespace kestrix::hostsim::printing
