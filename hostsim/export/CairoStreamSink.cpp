#include "CairoStreamSink.h"

#include <QIODevice>

namespace kestrix::hostsim::exporting {

namespace {

constexpr qsizetype ChunkBytes = 64 * 1024;

} // namespace

CairoStreamSink::CairoStreamSink(QIODevice& device) : m_device(device) {}

cairo_status_t CairoStreamSink::write(void* closure, const unsigned char* data, unsigned int length)
{
    auto* sink = static_cast<CairoStreamSink*>(closure);
    sink->m_pending.append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
    if (sink->m_pending.size() >= ChunkBytes && !sink->flush())
        return CAIRO_STATUS_WRITE_ERROR;
    return CAIRO_STATUS_SUCCESS;
}

bool CairoStreamSink::flush()
{
    if (m_failed)
        return false;
    if (m_device.write(m_pending) != m_pending.size())
        m_failed = true;
    m_pending.clear();
    return !m_failed;
}

QString CairoStreamSink::deviceError() const
{
    return m_device.errorString();
}

} // namespace kestrix::hostsim::exporting
