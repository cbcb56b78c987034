// The host's save-file choosers (common_ui_qt/SaveFileQtDialog.h and SaveFileWinDialog.h), which
// the Export dialog asks for a file name. What each must do is in docs/integration.md, "The host
// contract". A host without help pages offers no help button in them.

#include <common_ui_qt/SaveFileQtDialog.h>
#include <common_ui_qt/SaveFileWinDialog.h>

#include <QDir>
#include <QFileDialog>
#include <QPointer>

namespace kestrix::ui {

class SaveFileQtDialog::Private {
public:
    QPointer<QWidget> parent;
    QString caption;
    QString proposedPath;
    QString filter;
    std::string selectedFilename;
};

SaveFileQtDialog::SaveFileQtDialog(QWidget* parent, const std::string& caption, const std::string& directory,
                                   const std::string& fileName, const std::string& filter, const std::string&)
    : d(std::make_unique<Private>())
{
    d->parent = parent;
    d->caption = QString::fromStdString(caption);
    d->proposedPath = QDir(QString::fromStdString(directory)).filePath(QString::fromStdString(fileName));
    d->filter = QString::fromStdString(filter);
}

SaveFileQtDialog::~SaveFileQtDialog() = default;

bool SaveFileQtDialog::launch()
{
    const QString chosen = QFileDialog::getSaveFileName(d->parent, d->caption, d->proposedPath, d->filter);
    if (chosen.isEmpty())
        return false;
    d->selectedFilename = QDir::toNativeSeparators(chosen).toStdString();
    return true;
}

std::string SaveFileQtDialog::selectedFilename() const
{
    return d->selectedFilename;
}

// The toolkit's chooser uses the platform's native one where there is one.
class SaveFileWinDialog::Private {
public:
    Private(QWidget* parent, const std::string& caption, const std::string& directory, const std::string& fileName,
            const std::string& filter, const std::string& helpFile)
        : chooser(parent, caption, directory, fileName, filter, helpFile)
    {
    }

    SaveFileQtDialog chooser;
};

SaveFileWinDialog::SaveFileWinDialog(QWidget* parent, const std::string& caption, const std::string& directory,
                                     const std::string& fileName, const std::string& filter,
                                     const std::string& helpFile)
    : d(std::make_unique<Private>(parent, caption, directory, fileName, filter, helpFile))
{
}

SaveFileWinDialog::~SaveFileWinDialog() = default;

bool SaveFileWinDialog::launch()
{
    return d->chooser.launch();
}

std::string SaveFileWinDialog::selectedFilename() const
{
    return d->chooser.selectedFilename();
}

} // namespace kestrix::ui
