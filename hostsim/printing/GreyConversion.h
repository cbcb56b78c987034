#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPen>
#include <QPixmap>

namespace kestrix::hostsim::printing {

// Every colour of a drawing as its grey, with the weights Qt's own grey output uses (qGray),
// so that a picture greyed here matches what a grey-scale printer makes of the same colours.
// Transparency is kept.
class GreyConversion {
public:
    static QColor colour(const QColor& colour);
    // Solid and pattern brushes, gradients (every stop) and textures.
    static QBrush brush(const QBrush& brush);
    static QPen pen(const QPen& pen);
    // Colour-table images keep their table in grey; opaque images become 8-bit grey images.
    static QImage image(const QImage& image);
    // Bitmaps stay as they are: they are drawn in the (greyed) pen colour.
    static QPixmap pixmap(const QPixmap& pixmap);
};

} // namespace kestrix::hostsim::printing
