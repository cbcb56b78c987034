#include <kxsdkdialogs_common_qt/LaunchHelpAction.h>

#include "HelpBrowser.h"

#include <QKeySequence>

namespace kestrix::dialogs::common {

LaunchHelpAction::LaunchHelpAction(const std::string& helpFileName, QObject* parent)
    : QAction(tr("&Help"), parent)
    , m_helpFileName(helpFileName)
{
    setObjectName(QStringLiteral("launchHelpAction"));
    setShortcut(QKeySequence::HelpContents);
    setShortcutContext(Qt::WindowShortcut);
    connect(this, &QAction::triggered, this, &LaunchHelpAction::launchHelp);
}

void LaunchHelpAction::launchHelp()
{
    showHelpPage(helpFileToShow());
}

bool showHelpPage(const std::string& helpFileName)
{
    return HelpBrowser::instance().showPage(QString::fromStdString(helpFileName));
}

std::string lastShownHelpPage()
{
    const HelpBrowser* browser = HelpBrowser::existingInstance();
    return browser ? browser->currentPage().toStdString() : std::string();
}

} // namespace kestrix::dialogs::common
