#pragma once

#include "WriteCheckingDevice.h"

#include <QSaveFile>
#include <QString>

#include <memory>

namespace kestrix::hostsim::exporting {

// Writes a file through a temporary file in the target's folder that replaces the target
// only when everything was written: a failed or abandoned write leaves neither a partial
// file nor the temporary file behind. Checks the path first, so that a missing or
// read-only folder or an overlong name is told plainly rather than as a system error.
class SafeFileWriter {
public:
    explicit SafeFileWriter(const QString& path);
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    bool open(QString* error);
    // Open for writing after a successful open().
    QIODevice& device() { return *m_checked; }
    // Replaces the target with what was written; false (and nothing left) on a write error.
    bool commit(QString* error);
    // Why a write to the file failed; empty when none has.
    QString writeFailure() const;

private:
    bool checkPath(QString* error) const;

    QString m_path;
    QSaveFile m_file;
    std::unique_ptr<WriteCheckingDevice> m_checked;
};

} // namespace kestrix::hostsim::exporting
