#include "SaveFileChooser.h"

#include <kxsdkdialogs_common_qt/LaunchHelpAction.h>

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>

namespace kestrix::ui {

namespace {

// The extension of the first plain pattern of a filter such as "PNG Image (*.png)".
QString defaultSuffixOf(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9_]+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

SaveFileChooser::SaveFileChooser(QWidget* parent, const std::string& caption, const std::string& directory,
                                 const std::string& fileName, const std::string& filter,
                                 const std::string& helpFile)
    : m_parent(parent)
    , m_caption(QString::fromStdString(caption))
    , m_directory(QString::fromStdString(directory))
    , m_fileName(QString::fromStdString(fileName))
    , m_filter(QString::fromStdString(filter))
    , m_helpFile(helpFile)
{
}

bool SaveFileChooser::run()
{
    QFileDialog chooser(m_parent, m_caption, m_directory, m_filter);
    chooser.setObjectName(QStringLiteral("saveFileDialog"));
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setFileMode(QFileDialog::AnyFile);
    const QString suffix = defaultSuffixOf(m_filter);
    if (!suffix.isEmpty())
        chooser.setDefaultSuffix(suffix);
    if (!m_fileName.isEmpty())
        chooser.selectFile(m_fileName);
    if (!m_helpFile.empty())
        chooser.addAction(new dialogs::common::LaunchHelpAction(m_helpFile, &chooser));

    if (chooser.exec() != QDialog::Accepted)
        return false;
    const QStringList files = chooser.selectedFiles();
    if (files.isEmpty() || files.constFirst().isEmpty())
        return false;
    m_selected = QDir::toNativeSeparators(files.constFirst()).toStdString();
    return true;
}

} // namespace kestrix::ui
