#pragma once

#include <QString>
#include <QStringList>

namespace kestrix::testing {

// What a test folder holds, hidden files included, so that a test can tell that a failed or
// cancelled write left nothing behind.
class FolderEntries {
public:
    // The names of the folder's files and folders, sorted.
    static QStringList of(const QString& folder);
    // Removes everything in the folder, folders with their contents; false when something stays.
    static bool clear(const QString& folder);
};

} // namespace kestrix::testing
