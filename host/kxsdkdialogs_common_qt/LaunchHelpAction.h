#pragma once

#include <QAction>

#include <string>

namespace kestrix::dialogs::common {

// Opens the named help page (a file name such as "zone_style_mesh.html") in the host's
// help browser.
class LaunchHelpAction : public QAction {
    Q_OBJECT
public:
    LaunchHelpAction(const std::string& helpFileName, QObject* parent);
    const std::string& helpFileName() const { return m_helpFileName; }

protected:
    // The page that a trigger opens.
    virtual std::string helpFileToShow() const { return m_helpFileName; }

private slots:
    void launchHelp();

private:
    std::string m_helpFileName;
};

// Opens the help browser on a page; the host's own entry point, also used by the actions.
// Returns false (and shows a "no help for ..." text) when the page does not exist.
bool showHelpPage(const std::string& helpFileName);
// The file name of the page the help browser shows last, empty when it never opened.
std::string lastShownHelpPage();

} // namespace kestrix::dialogs::common
