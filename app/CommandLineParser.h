#pragma once

#include "WorkbenchOptions.h"

#include <QString>
#include <QStringList>

namespace kestrix::workbench {

// Reads the workbench's command line. It runs before the QApplication exists (the platform
// is chosen from it), so it needs nothing of Qt beyond QtCore.
class CommandLineParser {
public:
    // arguments: the whole command line, the program first. False on bad input, with
    // errorText() saying what is wrong.
    bool parse(const QStringList& arguments);

    const WorkbenchOptions& options() const { return m_options; }
    QString errorText() const { return m_errorText; }

    static QString usage(const QString& programName);

private:
    bool fail(const QString& errorText);
    bool checkSceneGenerator(const QString& generator);
    bool checkScreenshotPart(const QString& part);
    bool checkExport(const QString& width, const QString& frame);
    bool checkLanguage(const QString& language);

    WorkbenchOptions m_options;
    QString m_errorText;
};

} // namespace kestrix::workbench
