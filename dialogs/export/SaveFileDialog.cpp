#include "dialogs/export/SaveFileDialog.h"

#include <common_settings/ApplicationSettings.h>
#include <common_ui_qt/SaveFileQtDialog.h>
#include <common_ui_qt/SaveFileWinDialog.h>

#include <QtGlobal>

namespace {

bool nativeChooserWanted()
{
#ifdef Q_OS_WIN
    const auto& settings = kestrix::settings::ApplicationSettings::getInstance();
    const std::string key = "USE_WINDOWS_NATIVE_DIALOG";
    return settings.keyExists(key) && settings.getStringValue(key) == "YES";
#else
    return false;
#endif
}

} // namespace

SaveFileDialog::SaveFileDialog(QWidget* parent, const std::string& caption, const std::string& directory,
                               const std::string& fileName, const std::string& filter, const std::string& helpFile)
{
    if (nativeChooserWanted())
        m_winDialog =
            std::make_unique<kestrix::ui::SaveFileWinDialog>(parent, caption, directory, fileName, filter, helpFile);
    else
        m_qtDialog =
            std::make_unique<kestrix::ui::SaveFileQtDialog>(parent, caption, directory, fileName, filter, helpFile);
}

SaveFileDialog::~SaveFileDialog() = default;

bool SaveFileDialog::launch()
{
    return m_winDialog ? m_winDialog->launch() : m_qtDialog->launch();
}

std::string SaveFileDialog::selectedFilename()
{
    return m_winDialog ? m_winDialog->selectedFilename() : m_qtDialog->selectedFilename();
}
