#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace kestrix::workbench {

// A picture the workbench writes: in the format its file name's suffix names.
class PictureFile {
public:
    // The image format of the path's suffix ("png", "jpg", ...); empty when Qt cannot write it.
    static QByteArray formatOf(const QString& path);
    // The suffixes the workbench writes, for messages.
    static QString writableSuffixes();
    // False with `error` set when the picture cannot be written.
    static bool write(const QImage& picture, const QString& path, QString* error);
};

} // namespace kestrix::workbench
