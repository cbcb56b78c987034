#pragma once

#include <memory>
#include <string>

class QWidget;

namespace kestrix::ui {

// The platform's native save-file chooser. Platforms without one use the toolkit's chooser
// behind the same interface.
class SaveFileWinDialog {
public:
    SaveFileWinDialog(QWidget* parent, const std::string& caption, const std::string& directory,
                      const std::string& fileName, const std::string& filter, const std::string& helpFile);
    ~SaveFileWinDialog();

    bool launch();
    std::string selectedFilename() const;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::ui
