#include "support/WorkbenchProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace kestrix::testing {

namespace {
constexpr int RunTimeLimitMs = 120000;
}

QString WorkbenchProcess::executable()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../app/kxworkbench"));
}

WorkbenchProcess::Result WorkbenchProcess::run(const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    process.start(executable(), arguments);
    Result result;
    if (!process.waitForStarted())
        return result;
    result.finished = process.waitForFinished(RunTimeLimitMs) && process.exitStatus() == QProcess::NormalExit;
    if (!result.finished)
        process.kill();
    result.exitCode = process.exitCode();
    result.output = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

} // namespace kestrix::testing
