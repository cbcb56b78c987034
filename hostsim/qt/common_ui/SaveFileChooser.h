#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <string>

namespace kestrix::ui {

// The toolkit's save-file chooser as both save-file dialogs of the host run it: never the
// platform's native window (tests drive it through its widgets), F1 opening the help page.
class SaveFileChooser {
public:
    SaveFileChooser(QWidget* parent, const std::string& caption, const std::string& directory,
                    const std::string& fileName, const std::string& filter, const std::string& helpFile);

    bool run();
    const std::string& selectedFilename() const { return m_selected; }

private:
    QPointer<QWidget> m_parent;
    QString m_caption;
    QString m_directory;
    QString m_fileName;
    QString m_filter;
    std::string m_helpFile;
    std::string m_selected;
};

} // namespace kestrix::ui
