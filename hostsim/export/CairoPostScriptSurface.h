#pragma once

#include "CairoStreamSink.h"
#include "PostScriptWriter.h"

#include <cairo.h>

#include <QByteArray>
#include <QSizeF>
#include <QString>

#include <memory>

class QImage;
class QIODevice;

namespace kestrix::hostsim::exporting {

// A Cairo PostScript surface writing into a Qt device, page by page. Every page starts as
// white paper covering the whole page: the page shows paper where nothing is drawn, and an
// EPS file's bounding box, which Cairo takes from what is drawn, becomes the whole page.
class CairoPostScriptSurface {
public:
    CairoPostScriptSurface(QIODevice& device, PostScriptWriter::Kind kind, const QSizeF& pageSizePoints);
    CairoPostScriptSurface(const CairoPostScriptSurface&) = delete;
    CairoPostScriptSurface& operator=(const CairoPostScriptSurface&) = delete;

    // False with a message once anything has gone wrong.
    bool isValid(QString* error) const;
    // One page drawn from an SVG document, scaled to the page.
    bool addSvgPage(const QByteArray& svg, QString* error);
    // One page showing the picture scaled to the page.
    bool addImagePage(const QImage& image, QString* error);
    // Completes the output; false when it could not be made or written.
    bool finish(QString* error);

private:
    void beginPage();
    bool endPage(QString* error);
    QString failureMessage(cairo_status_t status) const;

    QSizeF m_pageSize;
    CairoStreamSink m_sink;
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> m_surface;
    std::unique_ptr<cairo_t, decltype(&cairo_destroy)> m_context;
};

} // namespace kestrix::hostsim::exporting
