#include "OutputLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kestrix::hostsim::printing {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("OutputLocation", text);
}

} // namespace

bool OutputLocation::check(const QString& fileName, QString* error)
{
    const QFileInfo file(fileName);
    QString problem;
    if (file.fileName().isEmpty())
        problem = tr("The print file has no name.");
    else if (!file.absoluteDir().exists())
        problem = tr("The folder %1 does not exist.").arg(QDir::toNativeSeparators(file.absolutePath()));
    else if (file.isDir())
        problem = tr("%1 is a folder, not a file.").arg(QDir::toNativeSeparators(file.absoluteFilePath()));
    if (problem.isEmpty())
        return true;
    if (error)
        *error = problem;
    return false;
}

} // namespace kestrix::hostsim::printing
