#include "support/FolderEntries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kestrix::testing {

namespace {

constexpr QDir::Filters Everything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

} // namespace

QStringList FolderEntries::of(const QString& folder)
{
    return QDir(folder).entryList(Everything, QDir::Name);
}

bool FolderEntries::clear(const QString& folder)
{
    bool cleared = true;
    for (const QFileInfo& entry : QDir(folder).entryInfoList(Everything)) {
        const bool removed = entry.isDir() && !entry.isSymLink() ? QDir(entry.filePath()).removeRecursively()
                                                                 : QFile::remove(entry.filePath());
        cleared = cleared && removed;
    }
    return cleared;
}

} // namespace kestrix::testing
