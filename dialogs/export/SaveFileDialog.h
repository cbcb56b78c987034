#pragma once

#include <memory>
#include <string>

class QWidget;

namespace kestrix::ui {
class SaveFileQtDialog;
class SaveFileWinDialog;
} // namespace kestrix::ui

// Asks for the name of a file to write. The host's setting "USE_WINDOWS_NATIVE_DIALOG" = "YES"
// asks for the platform's native chooser where the platform has one; everywhere else, Linux
// included, the toolkit's chooser is used.
class SaveFileDialog {
public:
    SaveFileDialog(QWidget* parent, const std::string& caption, const std::string& directory,
                   const std::string& fileName, const std::string& filter, const std::string& helpFile);
    ~SaveFileDialog();
    SaveFileDialog(const SaveFileDialog&) = delete;
    SaveFileDialog& operator=(const SaveFileDialog&) = delete;

    // True when a file was chosen.
    bool launch();
    std::string selectedFilename();

private:
    std::unique_ptr<kestrix::ui::SaveFileQtDialog> m_qtDialog;
    std::unique_ptr<kestrix::ui::SaveFileWinDialog> m_winDialog;
};
