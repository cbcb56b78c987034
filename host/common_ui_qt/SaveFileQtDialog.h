#pragma once

#include <memory>
#include <string>

class QWidget;

namespace kestrix::ui {

// Asks for the name of a file to write, with the toolkit's own chooser.
class SaveFileQtDialog {
public:
    SaveFileQtDialog(QWidget* parent, const std::string& caption, const std::string& directory,
                     const std::string& fileName, const std::string& filter, const std::string& helpFile);
    ~SaveFileQtDialog();

    // True when a file was chosen.
    bool launch();
    std::string selectedFilename() const;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::ui
