#pragma once

#include <QString>

namespace kestrix::workbench {

struct WorkbenchOptions;

// The command line's --export: writes the chosen frame of the loaded scene into the file the
// options name, in the format its suffix names, through the same host calls the Export,
// Print and Export Animation entries use.
class HeadlessExport {
public:
    static bool canWrite(const QString& path);
    // The suffixes --export writes, for messages.
    static QString writableSuffixes();
    // False with `error` set when nothing was written.
    static bool write(const WorkbenchOptions& options, QString* error);
};

} // namespace kestrix::workbench
