#pragma once

#include <QString>

namespace kestrix::hostsim::exporting {

// The outcome of the last picture export, kept for whoever reports it: the caller of
// VexUtilExport only learns true or false.
class ExportStatus {
public:
    static void recordSuccess();
    static void recordFailure(const QString& message);
    // The last export's failure; empty after a success.
    static QString lastError();
    // The last export's failure if no report has come since; every report takes it, so that
    // it never shows on a later, unrelated one.
    static QString takeUnreported();
};

} // namespace kestrix::hostsim::exporting
