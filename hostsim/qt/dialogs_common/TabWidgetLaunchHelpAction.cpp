#include <kxsdkdialogs_common_qt/TabWidgetLaunchHelpAction.h>

namespace kestrix::dialogs::common {

TabWidgetLaunchHelpAction::TabWidgetLaunchHelpAction(const std::map<QWidget*, std::string>& pageHelpFiles,
                                                     QTabWidget* tabWidget, QObject* parent)
    : LaunchHelpAction(std::string(), parent)
    , m_pageHelpFiles(pageHelpFiles)
    , m_tabWidget(tabWidget)
{
}

void TabWidgetLaunchHelpAction::setTabWidget(QTabWidget* tabWidget)
{
    m_tabWidget = tabWidget;
}

std::string TabWidgetLaunchHelpAction::currentHelpFileName() const
{
    if (!m_tabWidget)
        return {};
    const auto page = m_pageHelpFiles.find(m_tabWidget->currentWidget());
    return page == m_pageHelpFiles.end() ? std::string() : page->second;
}

} // namespace kestrix::dialogs::common
