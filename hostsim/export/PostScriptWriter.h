#pragma once

#include <QSizeF>
#include <QString>

#include <functional>

class QIODevice;
class QImage;
class QPainter;

namespace kestrix::hostsim::exporting {

// PostScript and EPS files written by Cairo's PostScript surface. Pages are drawn with a
// QPainter into SVG (Qt SVG), which librsvg draws onto the Cairo surface, so that paths and
// text stay vectors. Every page starts as white paper covering the whole page, which also
// makes an EPS file's bounding box the page itself rather than the extent of its ink.
class PostScriptWriter {
public:
    enum class Kind { EncapsulatedPostScript, PostScript };

    // Writes `pageCount` pages of `pageSizePoints` (1/72 inch), each drawn by
    // `drawPage(painter, pageIndex)` onto a QPainter whose coordinates are points, as vector
    // PostScript; grey=true turns every colour into its grey. An EPS file holds exactly one
    // page. Returns false with a message in `error` on any failure. Writes into `device`
    // (already open for writing).
    static bool write(QIODevice& device, Kind kind, const QSizeF& pageSizePoints, int pageCount,
                      const std::function<void(QPainter&, int)>& drawPage, bool grey, QString* error);
    // The same for a picture: one page showing `image` scaled to the page.
    static bool writeImage(QIODevice& device, Kind kind, const QSizeF& pageSizePoints, const QImage& image,
                           QString* error);
};

} // namespace kestrix::hostsim::exporting
