#include "SafeFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kestrix::hostsim::exporting {

namespace {

// The system's limits for a whole path and for one name in it, in bytes of the file system's
// encoding; the temporary file's name is the target's with a short suffix.
constexpr qsizetype LongestPathBytes = 4095;
constexpr qsizetype LongestNameBytes = 255;

QString tr(const char* text)
{
    return QCoreApplication::translate("SafeFileWriter", text);
}

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

SafeFileWriter::SafeFileWriter(const QString& path) : m_path(path), m_file(path) {}

bool SafeFileWriter::checkPath(QString* error) const
{
    if (m_path.trimmed().isEmpty())
        return fail(error, tr("No file name is given."));
    const QFileInfo target(m_path);
    const QString absolute = target.absoluteFilePath();
    bool nameTooLong = QFile::encodeName(absolute).size() > LongestPathBytes;
    for (const QString& name : absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        nameTooLong = nameTooLong || QFile::encodeName(name).size() > LongestNameBytes;
    if (nameTooLong) {
        return fail(error, tr("The file name is too long (%1 characters): a path may have at most %2 bytes and each "
                              "name in it at most %3.")
                               .arg(m_path.size())
                               .arg(LongestPathBytes)
                               .arg(LongestNameBytes));
    }
    if (target.fileName().isEmpty() || target.isDir())
        return fail(error, tr("\"%1\" is a folder, not a file name.").arg(shown(m_path)));
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return fail(error, tr("The folder \"%1\" does not exist.").arg(shown(folder.filePath())));
    if (!folder.isDir())
        return fail(error, tr("\"%1\" is not a folder.").arg(shown(folder.filePath())));
    if (!folder.isWritable())
        return fail(error, tr("The folder \"%1\" cannot be written to.").arg(shown(folder.filePath())));
    if (target.exists() && !target.isWritable())
        return fail(error, tr("The file \"%1\" is read-only.").arg(shown(m_path)));
    return true;
}

bool SafeFileWriter::open(QString* error)
{
    if (!checkPath(error))
        return false;
    // Unbuffered, so that every failed write shows where it happens: a buffered write fails
    // only later, when a writer seeks or the file is committed, where QSaveFile does not
    // notice it and would put a truncated file in place. The writers write in large pieces.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(error, tr("The file \"%1\" could not be created: %2").arg(shown(m_path), m_file.errorString()));
    m_checked = std::make_unique<WriteCheckingDevice>(m_file);
    return true;
}

bool SafeFileWriter::commit(QString* error)
{
    if (!m_file.isOpen() || !m_checked)
        return fail(error, tr("The file \"%1\" was not opened.").arg(shown(m_path)));
    if (m_checked->hasFailed()) {
        m_file.cancelWriting();
        m_file.commit();
        return fail(error, writeFailure());
    }
    if (!m_file.commit()) {
        return fail(error, tr("The file \"%1\" could not be written (is the disk full?): %2")
                               .arg(shown(m_path), m_file.errorString()));
    }
    return true;
}

QString SafeFileWriter::writeFailure() const
{
    if (!m_checked || !m_checked->hasFailed())
        return {};
    return tr("The file \"%1\" could not be written (is the disk full?): %2").arg(shown(m_path), m_checked->failure());
}

} // namespace kestrix::hostsim::exporting
