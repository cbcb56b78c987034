#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>

namespace kestrix::hostsim::exporting {
class PagePicture;
}

namespace kestrix::hostsim::printing {

// The image print type: the picture as an image of so many dots per inch of paper.
class PageRaster {
public:
    // Beyond this an image print would need gigabytes on its way to the printer.
    static constexpr double MaximumPixels = 100'000'000.0;

    // The picture filling an image of `sizeInches` at `dotsPerInch`, in grey when asked; a null
    // image with a message in `error` when it would be too large or cannot be made.
    static QImage render(const exporting::PagePicture& picture, const QSizeF& sizeInches, int dotsPerInch, bool grey,
                         QString* error);
};

} // namespace kestrix::hostsim::printing
