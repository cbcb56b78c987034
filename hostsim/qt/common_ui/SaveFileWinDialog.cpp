#include <common_ui_qt/SaveFileWinDialog.h>

#include "SaveFileChooser.h"

namespace kestrix::ui {

// There is no native chooser on this platform: the toolkit's chooser stands in for it.
class SaveFileWinDialog::Private {
public:
    Private(QWidget* parent, const std::string& caption, const std::string& directory, const std::string& fileName,
            const std::string& filter, const std::string& helpFile)
        : chooser(parent, caption, directory, fileName, filter, helpFile)
    {
    }

    SaveFileChooser chooser;
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
    return d->chooser.run();
}

std::string SaveFileWinDialog::selectedFilename() const
{
    return d->chooser.selectedFilename();
}

} // namespace kestrix::ui
