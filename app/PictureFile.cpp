#include "PictureFile.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QStringList>

namespace kestrix::workbench {

namespace {

const char* const Suffixes[] = {"png", "jpg", "jpeg", "bmp", "ppm"};

} // namespace

QByteArray PictureFile::formatOf(const QString& path)
{
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    for (const char* known : Suffixes) {
        if (suffix == known && QImageWriter::supportedImageFormats().contains(suffix))
            return suffix;
    }
    return {};
}

QString PictureFile::writableSuffixes()
{
    QStringList suffixes;
    for (const char* known : Suffixes) {
        if (QImageWriter::supportedImageFormats().contains(known))
            suffixes.append(QLatin1Char('.') + QLatin1String(known));
    }
    return suffixes.join(QStringLiteral(", "));
}

bool PictureFile::write(const QImage& picture, const QString& path, QString* error)
{
    const QByteArray format = formatOf(path);
    if (format.isEmpty()) {
        if (error)
            *error = QStringLiteral("the file name must end in one of %1").arg(writableSuffixes());
        return false;
    }
    QImageWriter writer(path, format);
    // Only PNG keeps transparency; the other formats take the picture as it shows.
    if (writer.write(format == "png" ? picture : picture.convertToFormat(QImage::Format_RGB32)))
        return true;
    if (error)
        *error = writer.errorString();
    return false;
}

} // namespace kestrix::workbench
