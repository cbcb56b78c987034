#include <common_ui_qt/SaveFileQtDialog.h>

#include "SaveFileChooser.h"

namespace kestrix::ui {

class SaveFileQtDialog::Private {
public:
    Private(QWidget* parent, const std::string& caption, const std::string& directory, const std::string& fileName,
            const std::string& filter, const std::string& helpFile)
        : chooser(parent, caption, directory, fileName, filter, helpFile)
    {
    }

    SaveFileChooser chooser;
};

SaveFileQtDialog::SaveFileQtDialog(QWidget* parent, const std::string& caption, const std::string& directory,
                                   const std::string& fileName, const std::string& filter,
                                   const std::string& helpFile)
    : d(std::make_unique<Private>(parent, caption, directory, fileName, filter, helpFile))
{
}

SaveFileQtDialog::~SaveFileQtDialog() = default;

bool SaveFileQtDialog::launch()
{
    return d->chooser.run();
}

std::string SaveFileQtDialog::selectedFilename() const
{
    return d->chooser.selectedFilename();
}

} // namespace kestrix::ui
