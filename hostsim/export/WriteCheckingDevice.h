#pragma once

#include <QIODevice>
#include <QString>

namespace kestrix::hostsim::exporting {

// Passes writes and seeks on to another device and remembers the first one that fails. Image
// writers do not all report a failed write (Qt's TIFF writer finishes its strips when it
// closes and ignores the outcome), so whoever commits the file asks here instead.
class WriteCheckingDevice : public QIODevice {
    Q_OBJECT
public:
    // `target` must be open for writing and outlive this device, which opens itself.
    explicit WriteCheckingDevice(QIODevice& target);

    bool hasFailed() const { return m_failed; }
    // The target's account of the first failure.
    QString failure() const { return m_failure; }

    bool isSequential() const override;
    bool seek(qint64 position) override;
    qint64 size() const override;

protected:
    qint64 readData(char* data, qint64 maximum) override;
    qint64 writeData(const char* data, qint64 length) override;

private:
    void fail();

    QIODevice& m_target;
    bool m_failed = false;
    QString m_failure;
};

} // namespace kestrix::hostsim::exporting
