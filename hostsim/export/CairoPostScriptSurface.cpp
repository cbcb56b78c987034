#include "CairoPostScriptSurface.h"

#include <cairo-ps.h>
// GLib's headers name struct members "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <librsvg/rsvg.h>
#pragma pop_macro("signals")

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

namespace kestrix::hostsim::exporting {

namespace {

using SvgHandle = std::unique_ptr<RsvgHandle, decltype(&g_object_unref)>;
using Error = std::unique_ptr<GError, decltype(&g_error_free)>;
using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;

QString tr(const char* text)
{
    return QCoreApplication::translate("CairoPostScriptSurface", text);
}

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

QString cairoMessage(cairo_status_t status)
{
    return QString::fromUtf8(cairo_status_to_string(status));
}

QString errorText(const Error& error)
{
    return error ? QString::fromUtf8(error->message) : tr("unknown error");
}

} // namespace

CairoPostScriptSurface::CairoPostScriptSurface(QIODevice& device, PostScriptWriter::Kind kind,
                                               const QSizeF& pageSizePoints)
    : m_pageSize(pageSizePoints), m_sink(device),
      m_surface(cairo_ps_surface_create_for_stream(&CairoStreamSink::write, &m_sink, pageSizePoints.width(),
                                                   pageSizePoints.height()),
                &cairo_surface_destroy),
      m_context(nullptr, &cairo_destroy)
{
    if (kind == PostScriptWriter::Kind::EncapsulatedPostScript)
        cairo_ps_surface_set_eps(m_surface.get(), 1);
    m_context.reset(cairo_create(m_surface.get()));
}

bool CairoPostScriptSurface::isValid(QString* error) const
{
    const cairo_status_t status = m_context ? cairo_status(m_context.get()) : cairo_surface_status(m_surface.get());
    if (status == CAIRO_STATUS_SUCCESS)
        return true;
    return fail(error, failureMessage(status));
}

bool CairoPostScriptSurface::addSvgPage(const QByteArray& svg, QString* error)
{
    if (!isValid(error))
        return false;
    GError* rawError = nullptr;
    const SvgHandle handle(rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.constData()),
                                                     static_cast<gsize>(svg.size()), &rawError),
                           &g_object_unref);
    const Error loadError(rawError, &g_error_free);
    if (!handle)
        return fail(error, tr("The page's vector drawing could not be read: %1").arg(errorText(loadError)));
    rsvg_handle_set_dpi(handle.get(), 72.0);
    beginPage();
    const RsvgRectangle viewport{0.0, 0.0, m_pageSize.width(), m_pageSize.height()};
    rawError = nullptr;
    const bool drawn = rsvg_handle_render_document(handle.get(), m_context.get(), &viewport, &rawError);
    const Error renderError(rawError, &g_error_free);
    if (!drawn)
        return fail(error, tr("The page's vector drawing could not be converted: %1").arg(errorText(renderError)));
    return endPage(error);
}

bool CairoPostScriptSurface::addImagePage(const QImage& image, QString* error)
{
    if (!isValid(error))
        return false;
    if (image.isNull())
        return fail(error, tr("There is no picture to write."));
    // Cairo owns the pixels, since the page may still read them after this call. Its RGB24
    // is Qt's RGB32 (0xffRRGGBB in native byte order), so Qt draws straight into them, on
    // white, as paper is opaque.
    const Surface picture(cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width(), image.height()),
                          &cairo_surface_destroy);
    if (cairo_surface_status(picture.get()) != CAIRO_STATUS_SUCCESS)
        return fail(error, tr("There is not enough memory for the picture."));
    cairo_surface_flush(picture.get());
    {
        QImage pixels(cairo_image_surface_get_data(picture.get()), image.width(), image.height(),
                      cairo_image_surface_get_stride(picture.get()), QImage::Format_RGB32);
        pixels.fill(Qt::white);
        QPainter painter(&pixels);
        painter.drawImage(0, 0, image);
    }
    cairo_surface_mark_dirty(picture.get());
    cairo_t* cr = m_context.get();
    beginPage();
    cairo_save(cr);
    cairo_scale(cr, m_pageSize.width() / image.width(), m_pageSize.height() / image.height());
    cairo_set_source_surface(cr, picture.get(), 0.0, 0.0);
    cairo_paint(cr);
    cairo_restore(cr);
    return endPage(error);
}

bool CairoPostScriptSurface::finish(QString* error)
{
    m_context.reset();
    cairo_surface_finish(m_surface.get());
    const cairo_status_t status = cairo_surface_status(m_surface.get());
    if (status == CAIRO_STATUS_SUCCESS && m_sink.flush())
        return true;
    return fail(error, failureMessage(status));
}

void CairoPostScriptSurface::beginPage()
{
    cairo_t* cr = m_context.get();
    cairo_save(cr);
    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
    cairo_rectangle(cr, 0.0, 0.0, m_pageSize.width(), m_pageSize.height());
    cairo_fill(cr);
    cairo_restore(cr);
}

bool CairoPostScriptSurface::endPage(QString* error)
{
    cairo_show_page(m_context.get());
    return isValid(error);
}

QString CairoPostScriptSurface::failureMessage(cairo_status_t status) const
{
    if (m_sink.hasFailed()) {
        return tr("The PostScript output could not be written: %1")
            .arg(m_sink.deviceError().isEmpty() ? tr("write error") : m_sink.deviceError());
    }
    // Cairo also writes pages into a temporary file of its own first.
    if (status == CAIRO_STATUS_WRITE_ERROR || status == CAIRO_STATUS_TEMP_FILE_ERROR)
        return tr("The PostScript output could not be written (is the disk full?): %1").arg(cairoMessage(status));
    return tr("The PostScript output could not be made: %1").arg(cairoMessage(status));
}

} // namespace kestrix::hostsim::exporting
