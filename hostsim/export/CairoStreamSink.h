#pragma once

#include <cairo.h>

#include <QByteArray>
#include <QString>

class QIODevice;

namespace kestrix::hostsim::exporting {

// Where a Cairo stream surface writes: a Qt device. Cairo hands its output over in small
// pieces; they are gathered into larger writes, and a failed write is remembered so that the
// failure names the device's error rather than Cairo's generic one.
class CairoStreamSink {
public:
    explicit CairoStreamSink(QIODevice& device);
    CairoStreamSink(const CairoStreamSink&) = delete;
    CairoStreamSink& operator=(const CairoStreamSink&) = delete;

    // A cairo_write_func_t whose closure is the sink.
    static cairo_status_t write(void* closure, const unsigned char* data, unsigned int length);
    // Writes what is gathered; false once any write has failed.
    bool flush();
    bool hasFailed() const { return m_failed; }
    QString deviceError() const;

private:
    QIODevice& m_device;
    QByteArray m_pending;
    bool m_failed = false;
};

} // namespace kestrix::hostsim::exporting
