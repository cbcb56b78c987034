#include "WriteCheckingDevice.h"

namespace kestrix::hostsim::exporting {

WriteCheckingDevice::WriteCheckingDevice(QIODevice& target) : m_target(target)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool WriteCheckingDevice::isSequential() const
{
    return m_target.isSequential();
}

bool WriteCheckingDevice::seek(qint64 position)
{
    if (m_failed || !QIODevice::seek(position))
        return false;
    if (!m_target.seek(position)) {
        fail();
        return false;
    }
    return true;
}

qint64 WriteCheckingDevice::size() const
{
    return m_target.size();
}

qint64 WriteCheckingDevice::readData(char*, qint64)
{
    return -1;
}

// A short write is tried again for the rest: a file device reports a short write without an
// error, and only the next attempt tells why (a full disk, a file size limit).
qint64 WriteCheckingDevice::writeData(const char* data, qint64 length)
{
    if (m_failed)
        return -1;
    qint64 written = 0;
    while (written < length) {
        const qint64 part = m_target.write(data + written, length - written);
        if (part <= 0) {
            fail();
            return -1;
        }
        written += part;
    }
    return written;
}

void WriteCheckingDevice::fail()
{
    m_failed = true;
    m_failure = m_target.errorString();
    setErrorString(m_failure);
}

} // namespace kestrix::hostsim::exporting
